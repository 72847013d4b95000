// Encodes pictures as uncompressed, bottom-up Windows bitmap files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace artgen {

// A complete 24-bit BMP file (file header, 40-byte info header, rows bottom-up,
// blue-green-red, each row padded to a multiple of 4 bytes).
std::vector<std::uint8_t> encodeBmp24(const RgbImage& image);

// A complete 8-bit BMP file with a 256-entry palette.
std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image);

// Writes bytes to a file; returns false (and prints why) on failure.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace artgen
