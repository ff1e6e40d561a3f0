#pragma once

#include <string>

// The temporary file a replacement is written to before it takes the place of
// the real one: beside it, so that the final rename stays on one file system.
std::string replacementFileFor(const std::string& path);

// Writes content to a temporary file in the same folder, pushes it to the disk,
// closes it and only then renames it over path, so that a crash, a full disk or
// a failed write never leaves a half-written file behind. False on any failure;
// the old file is then untouched and the temporary file removed.
bool replaceFileContents(const std::string& path, const std::string& content);
