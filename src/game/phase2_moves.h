// How a phase-2 attacker moves by its heading: one step, with the side walls and
// the ceiling (row 8) turning it. Pure: the attack tick applies the result.
#pragma once

namespace vx {

// Headings, clockwise from right as seen on the screen (rows count upwards).
enum Heading : int {
  HeadRight = 1,
  HeadDownRight,
  HeadDown,
  HeadDownLeft,
  HeadLeft,
  HeadUpLeft,
  HeadUp,
  HeadUpRight,
};

struct AttackerPlace {
  int col, row, pattern;
  bool operator==(const AttackerPlace&) const = default;
};

// The place after one step from `from`. A row below 1 means the attacker has left
// the screen. A pattern outside 1..8 does not move.
AttackerPlace phase2_move(AttackerPlace from);

}  // namespace vx
