#pragma once

#include "Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// A plain 24-bit BMP, bottom row first as the format wants.
void writeBmp24(const std::string& path, const Image& image);

// A 32-bit BMP of raw pixel values, top row first in `values`. The header uses
// BI_BITFIELDS with red, green and blue masks and no alpha mask, so loaders keep
// the fourth byte as written (zero) instead of making the picture opaque.
void writeBmp32(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& values);

} // namespace artgen
