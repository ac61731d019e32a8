// The in-window game menu's geometry: the button's click area, the background
// picture's box when closed and open, and the rows of the open menu.
#pragma once

namespace vx {

inline constexpr int kGameMenuButtonWidth = 36, kGameMenuButtonHeight = 32;
inline constexpr int kGameMenuOpenWidth = 256, kGameMenuOpenHeight = 448;
inline constexpr int kGameMenuRows = 13, kGameMenuRowHeight = 32;

}  // namespace vx
