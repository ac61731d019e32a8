#include "frontend/manual_buttons.h"

#include <array>

namespace vx {
namespace {

constexpr QRgb kOutline = qRgb(64, 0, 0);
constexpr QRgb kLight = qRgb(255, 140, 140);
constexpr QRgb kShade = qRgb(120, 0, 0);
constexpr QRgb kFace = qRgb(210, 0, 0);
constexpr QRgb kGlyph = qRgb(255, 255, 255);

// Glyphs on a 6 by 7 grid, 'x' lit.
using Glyph = std::array<const char*, 7>;
constexpr Glyph kRight{"xx....", ".xx...", "..xx..", "...xx.", "..xx..", ".xx...", "xx...."};
constexpr Glyph kLeft{"....xx", "...xx.", "..xx..", ".xx...", "..xx..", "...xx.", "....xx"};
constexpr Glyph kCross{"......", "xx..xx", ".xxxx.", "..xx..", ".xxxx.", "xx..xx", "......"};

}  // namespace

QImage manual_button_picture(ManualGlyph glyph, bool pressed) {
  const int w = kManualButtonWidth, h = kManualButtonHeight;
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kFace);
  // Raised: light top and left inside the outline, shade bottom and right; sunken the other way round.
  const QRgb top_left = pressed ? kShade : kLight, bottom_right = pressed ? kLight : kShade;
  for (int x = 1; x < w - 1; ++x) {
    img.setPixel(x, 1, top_left);
    img.setPixel(x, h - 2, bottom_right);
  }
  for (int y = 1; y < h - 1; ++y) {
    img.setPixel(1, y, top_left);
    img.setPixel(w - 2, y, bottom_right);
  }
  for (int x = 0; x < w; ++x) img.setPixel(x, 0, kOutline), img.setPixel(x, h - 1, kOutline);
  for (int y = 0; y < h; ++y) img.setPixel(0, y, kOutline), img.setPixel(w - 1, y, kOutline);

  const Glyph& g = glyph == ManualGlyph::Right ? kRight : glyph == ManualGlyph::Left ? kLeft : kCross;
  const int gx = (w - 6) / 2 + (pressed ? 1 : 0), gy = (h - 7) / 2 + (pressed ? 1 : 0);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 6; ++x)
      if (g[y][x] == 'x') img.setPixel(gx + x, gy + y, kGlyph);
  return img;
}

}  // namespace vx
