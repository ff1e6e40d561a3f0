#pragma once

#include <string>

// Gives the file at path new content without changing what the file system
// says about it. Normally the content goes to a new file beside the real one
// (beside a link's target, so the link stays), under a name of its own so that
// a file left by a save that died never stands in the way. It is pushed to
// the disk and renamed over the old one with the old file's mode, owner and
// group, and the folder is synced so the new name survives a power cut: a
// crash at any moment leaves either the old file or the new one, whole.
//
// Where no new file can be made there, or the old one's owner or other names
// could not be kept, the file is rewritten in place instead, as a last resort:
// room is reserved first, and should any step fail the old content is written
// back. A crash in the middle of an in-place rewrite can still leave a mixture
// of old and new; nothing can make that atomic.
//
// A file the caller may not write is refused, as a plain open for writing
// would be. False on any failure; the old file then holds its old content and
// no file of this save is left.
bool replaceFileContents(const std::string& path, const std::string& content);
