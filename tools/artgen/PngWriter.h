#pragma once

#include "Image.h"

#include <string>

namespace artgen {

// Saves a 24-bit RGB PNG with no timestamp, so the same picture gives the same bytes.
void writePng(const std::string& path, const Image& image);

} // namespace artgen
