// The manual viewer's three button pictures, drawn by the program itself: red
// bevelled squares of 16 by 14 with a white chevron or cross; the normal look is
// raised, the pressed look sunken with the glyph one pixel down and right.
#pragma once

#include <QImage>

namespace vx {

enum class ManualGlyph { Right, Left, Close };

inline constexpr int kManualButtonWidth = 16;
inline constexpr int kManualButtonHeight = 14;

QImage manual_button_picture(ManualGlyph glyph, bool pressed);

}  // namespace vx
