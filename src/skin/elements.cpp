#include "skin/elements.h"

#include <array>
#include <cstdio>
#include <string>

namespace vx {
namespace {

struct LookCell {
  int col, row;
};
// The cells with picture sets, in the order the skin numbers them.
constexpr std::array<LookCell, 13> kLookCells{
    {{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {2, 5}, {3, 5}, {4, 5}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}};
constexpr const char* kLookSuffix[3] = {"whole", "body", "wings"};

std::string two(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

std::array<std::string, kElementCount> build_names() {
  std::array<std::string, kElementCount> n;
  const char* fixed[] = {"im_background",
                         "im_background_screen_top",
                         "im_background_screen_on",
                         "btn_power_on",
                         "btn_power_top",
                         "btn_select_down",
                         "btn_select_top",
                         "btn_start_down",
                         "btn_start_top",
                         "btn_joystick_placeholder",
                         "btn_joystick_top",
                         "btn_joystick_left",
                         "btn_joystick_right",
                         "btn_fire_down",
                         "btn_fire_top",
                         "btn_ctrlr_overlay_left",
                         "btn_ctrlr_overlay_right"};
  for (int i = 0; i < 17; ++i) n[i] = fixed[i];
  for (int p = 1; p <= 4; ++p) n[el_panel_digit_pos(p)] = "im_panel_digit_pos_" + std::to_string(p);
  for (int d = 0; d <= 9; ++d) n[el_panel_number(d)] = "im_panel_number_" + std::to_string(d);
  n[im_panel_letter_g] = "im_panel_letter_g";
  n[im_panel_letter_o] = "im_panel_letter_o";
  n[im_panel_letter_d] = "im_panel_letter_d";
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c) n[el_enemy(c, r)] = "im_enemy_" + two(c) + "_" + two(r);
  for (int k = 0; k < 3; ++k)
    for (std::size_t i = 0; i < kLookCells.size(); ++i)
      n[79 + 13 * k + i] = "im_enemy_" + two(kLookCells[i].col) + "_" + two(kLookCells[i].row) + "_" + kLookSuffix[k];
  for (int r = 2; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c) n[el_fire(c, r)] = "im_fire_" + two(c) + "_" + two(r);
  for (int c = 1; c <= 5; ++c) {
    n[el_ship(c)] = "im_ship_" + two(c) + "_01";
    n[el_ship_whole(c)] = "im_ship_" + two(c) + "_01_whole";
    n[el_ship_dock(c)] = "im_ship_" + two(c) + "_01_dock";
  }
  n[im_backdrop] = "im_backdrop";
  n[im_backdrop_logo] = "im_backdrop_logo";
  n[btn_game_menu_background] = "btn_game_menu_background";
  n[btn_game_menu_top] = "btn_game_menu_top";
  return n;
}

const std::array<std::string, kElementCount>& names() {
  static const auto table = build_names();
  return table;
}

}  // namespace

std::optional<ElementId> el_enemy_look(int set_col, int set_row, LookKind kind) {
  for (std::size_t i = 0; i < kLookCells.size(); ++i)
    if (kLookCells[i].col == set_col && kLookCells[i].row == set_row)
      return static_cast<ElementId>(79 + 13 * static_cast<int>(kind) + i);
  return std::nullopt;
}

std::string_view element_name(ElementId id) {
  if (id < 0 || id >= kElementCount) return {};
  return names()[id];
}

std::optional<ElementId> element_by_name(std::string_view name) {
  const auto& n = names();
  for (int i = 0; i < kElementCount; ++i)
    if (n[i] == name) return i;
  return std::nullopt;
}

bool element_transparent(ElementId id) {
  const int image = id + 1;
  if (id >= kSkinElementCount) return id != im_backdrop;
  return image <= 2 || (image >= 18 && image <= 123) || image >= 159;
}

}  // namespace vx
