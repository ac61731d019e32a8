// The console window's picture elements: the 173 that a skin fills, numbered as
// in Skin.ini (element id = image number - 1), and the four the form itself owns.
// Names are part of the system: skins, dumps and tests refer to them.
#pragma once

#include <optional>
#include <string_view>

namespace vx {

using ElementId = int;

inline constexpr int kSkinElementCount = 173;

// Fixed elements, by image number - 1.
enum Element : ElementId {
  im_background = 0,
  im_background_screen_top,
  im_background_screen_on,
  btn_power_on,
  btn_power_top,
  btn_select_down,
  btn_select_top,
  btn_start_down,
  btn_start_top,
  btn_joystick_placeholder,
  btn_joystick_top,
  btn_joystick_left,
  btn_joystick_right,
  btn_fire_down,
  btn_fire_top,
  btn_ctrlr_overlay_left,
  btn_ctrlr_overlay_right,
  im_panel_digit_pos_1,    // 18..21
  im_panel_number_0 = 21,  // 22..31
  im_panel_letter_g = 31,
  im_panel_letter_o,
  im_panel_letter_d,
  // Not part of a skin: owned by the console form.
  im_backdrop = kSkinElementCount,
  im_backdrop_logo,
  btn_game_menu_background,
  btn_game_menu_top,
  kElementCount
};

// Grid elements. Columns 1..5, rows 1..9 (shots 2..9).
constexpr ElementId el_panel_digit_pos(int pos) { return im_panel_digit_pos_1 + pos - 1; }
constexpr ElementId el_panel_number(int digit) { return im_panel_number_0 + digit; }
constexpr ElementId el_enemy(int col, int row) { return 34 + (9 - row) * 5 + (col - 1); }
constexpr ElementId el_fire(int col, int row) { return 118 + (9 - row) * 5 + (col - 1); }
constexpr ElementId el_ship(int col) { return 158 + col - 1; }
constexpr ElementId el_ship_whole(int col) { return 163 + col - 1; }
constexpr ElementId el_ship_dock(int col) { return 168 + col - 1; }

// The thirteen cells that have alternative enemy pictures, in skin order.
enum class LookKind { Whole = 0, Body = 1, Wings = 2 };
// Element of the picture source for a look cell (e.g. "02_05", Body); nullopt
// when (col, row) has no picture set of its own.
std::optional<ElementId> el_enemy_look(int set_col, int set_row, LookKind kind);

std::string_view element_name(ElementId id);
std::optional<ElementId> element_by_name(std::string_view name);
// Whether the element is drawn transparently (skin elements 1, 2, 18..123, 159..173).
bool element_transparent(ElementId id);

}  // namespace vx
