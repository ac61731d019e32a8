#include "screen_layout.h"

#include "looks.h"

namespace vx::assets {

QRect ScreenLayout::enemy_box(int col, int row) const {
  const int left = grid.x() + (col - 1) * col_pitch;
  const int top = grid.y() + (9 - row) * row_pitch;
  if (row == 9) return {left, top, col_pitch, enemy.height()};
  const int x = left + (col_pitch - enemy.width()) / 2;
  if (row == 1) return {x, top, enemy.width(), row_pitch};
  return {x, top, enemy.width(), enemy.height()};
}

QRect ScreenLayout::fire_box(int col, int row) const {
  const QRect above = enemy_box(col, row);
  const int left = grid.x() + (col - 1) * col_pitch + (col_pitch - shot.width()) / 2;
  return {left, above.bottom() + 1, shot.width(), shot.height()};
}

QRect ScreenLayout::ship_box(int col) const { return enemy_box(col, 1); }

QRect ScreenLayout::panel_box(int pos) const {
  return {panel.x() + (pos - 1) * digit_pitch, panel.y(), digit.width(), digit.height()};
}

QRect ScreenLayout::box_of(ElementId id) const {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c) {
      if (id == el_enemy(c, r)) return enemy_box(c, r);
      if (r >= 2 && id == el_fire(c, r)) return fire_box(c, r);
    }
  for (int c = 1; c <= 5; ++c)
    if (id == el_ship(c) || id == el_ship_whole(c) || id == el_ship_dock(c)) return ship_box(c);
  if (const auto look = look_of_element(id)) return enemy_box(look->set_col, look->set_row);
  for (int p = 1; p <= 4; ++p)
    if (id == el_panel_digit_pos(p)) return panel_box(p);
  if ((id >= el_panel_number(0) && id <= el_panel_number(9)) || id == im_panel_letter_g || id == im_panel_letter_o ||
      id == im_panel_letter_d)
    return panel_box(1);
  return {};
}

}  // namespace vx::assets
