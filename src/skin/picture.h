// A decoded picture, independent of any toolkit: 32-bit ARGB pixels, row by row.
// Pictures are shared and immutable once made; sprites hold them by shared pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vx {

struct Picture {
  int width = 0;
  int height = 0;
  bool has_alpha = false;
  std::vector<std::uint32_t> argb;  // width * height, 0xAARRGGBB
  std::string label;                // where it came from (file name or element name)

  std::uint32_t pixel(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

using PictureRef = std::shared_ptr<const Picture>;

// The stand-in for a picture that is missing or cannot be decoded:
// 10 x 10, filled red, with a black one-pixel outline.
PictureRef placeholder_picture();

}  // namespace vx
