// Where the emulated screen's cells lie inside a skin: the 5 x 9 lattice of enemy
// cells with a shot cell just below each (rows 2..9), the ship row whose square
// the row-1 enemy cell shares, and the four panel positions above row 9.
#pragma once

#include <QRect>

#include "skin/elements.h"

namespace vx::assets {

struct ScreenLayout {
  QRect glass;         // the screen window: im_background_screen_top and _on
  QPoint grid;         // top-left corner of the lattice (column 1, top of row 9)
  int col_pitch = 54;  // columns and rows are this far apart
  int row_pitch = 42;
  QSize enemy{50, 30};  // an enemy cell of rows 2..8; row 9 is col_pitch wide
  QSize shot{20, 12};   // a shot cell, centred in its column below the enemy cell
  QPoint panel;         // top-left corner of panel position 1
  QSize digit{28, 40};
  int digit_pitch = 32;

  // Column 1..5, row 1..9. Row 1's enemy cell is the ship's square.
  QRect enemy_box(int col, int row) const;
  QRect fire_box(int col, int row) const;  // rows 2..9
  QRect ship_box(int col) const;
  QRect panel_box(int pos) const;  // 1..4
  // The box of any screen element (cells, look sources at the cell they are named
  // after, panel positions, digits and letters at position 1); empty for others.
  QRect box_of(ElementId id) const;
};

}  // namespace vx::assets
