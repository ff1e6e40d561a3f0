#pragma once

#include <string>

// The temporary file a replacement is written to before it takes the place of
// the real one: beside it, so that the final rename stays on one file system.
std::string replacementFileFor(const std::string& path);

// Gives the file at path new content without changing what the file system
// says about it. Normally the content goes to a temporary file beside the
// real one (beside a link's target, so the link stays), pushed to the disk and
// renamed over it with the old file's mode, owner and group; a crash, a full
// disk or a failed write never leaves a half-written file behind. Where no
// new file can be made there, or the old one's owner or other names could not
// be kept, the file is rewritten in place instead, after its room on the disk
// is reserved. A file the caller may not write is refused, as a plain open for
// writing would be. False on any failure; the old file is then untouched and
// no temporary file is left.
bool replaceFileContents(const std::string& path, const std::string& content);
