// The enemy looks as the game uses them: which picture set each cell of rows 1..6
// shows (read from the console core's own EnemyLook table), and which set and kind
// a look-source element belongs to.
#pragma once

#include <optional>

#include "skin/elements.h"

namespace vx::assets {

struct LookRef {
  int set_col = 0, set_row = 0;  // the set, e.g. 2, 5 for "02_05"
  LookKind kind = LookKind::Whole;
};

// The set whose pictures the game gives cell (col 1..5, row 1..6).
LookRef look_set_of_cell(int col, int row);
// The set and kind of a look-source element; nullopt for other elements.
std::optional<LookRef> look_of_element(ElementId id);

}  // namespace vx::assets
