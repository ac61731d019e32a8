// The phase-2 movement table. Walls are tested before the ceiling; an attacker
// turned into the left wall climbs it, one turned into the right wall goes down,
// one turned into the ceiling runs along it to the right.
#include "game/phase2_moves.h"

namespace vx {
namespace {

constexpr int kTopRow = 8;  // the ceiling: row 9 belongs to the mothership

// Past column 1: climb the left wall from `row` with `heading`; past the ceiling
// it comes out on row 8, column 2, heading right.
AttackerPlace climb_left_wall(int row, int heading) {
  if (row + 1 > kTopRow) return {2, kTopRow, HeadRight};
  return {1, row + 1, heading};
}

// Past the ceiling: along row 8 to the right from `col`; past column 5 it goes
// down the right wall from row 7.
AttackerPlace along_ceiling(int col) {
  if (col > 5) return {5, kTopRow - 1, HeadDown};
  return {col, kTopRow, HeadRight};
}

}  // namespace

AttackerPlace phase2_move(AttackerPlace a) {
  const int c = a.col, r = a.row;
  switch (a.pattern) {
    case HeadRight:
      if (c + 1 > 5) return {5, r - 1, HeadDown};
      return {c + 1, r, HeadRight};
    case HeadDownRight:  // always becomes a plain fall after one step
      return {c + 1 > 5 ? 5 : c + 1, r - 1, HeadDown};
    case HeadDown:
      return {c, r - 1, HeadDown};
    case HeadDownLeft:
      if (c - 1 < 1) return climb_left_wall(r, HeadDownLeft);
      return {c - 1, r - 1, HeadDownLeft};
    case HeadLeft:
      if (c - 1 < 1) return climb_left_wall(r, HeadUp);
      return {c - 1, r, HeadLeft};
    case HeadUpLeft:
      if (c - 1 < 1) return climb_left_wall(r, HeadUp);
      if (r + 1 > kTopRow) return along_ceiling(c + 1);  // two right of the step's column
      return {c - 1, r + 1, HeadUpLeft};
    case HeadUp:
      if (r + 1 > kTopRow) return along_ceiling(c + 1);
      return {c, r + 1, HeadUp};
    case HeadUpRight:
      if (c + 1 > 5) return {5, r - 1, HeadDown};
      if (r + 1 > kTopRow) return {c + 1, kTopRow, HeadRight};
      return {c + 1, r + 1, HeadUpRight};
    default:
      return a;
  }
}

}  // namespace vx
