// Test pictures written by our own code, in the three formats the program reads,
// and small helpers to put files into temporary folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/picture.h"

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

// A width x height picture of one colour (0xAARRGGBB); has_alpha as given.
Picture solid_picture(int width, int height, std::uint32_t argb, bool has_alpha = false);

Bytes encode_png(const Picture& picture);                             // RGBA when has_alpha, else RGB
Bytes encode_jpeg(const Picture& picture, bool progressive = false);  // quality 95, RGB
Bytes encode_bmp(const Picture& picture);                             // 24 bits, bottom-up

void write_file(const std::filesystem::path& path, const Bytes& bytes);
void write_text(const std::filesystem::path& path, const std::string& text);

}  // namespace vx::test
