// The phase-2 movement table, row by row, and what holds for every start cell:
// attackers stay on the screen and leave it only downwards from row 1.
#include "game/phase2_moves.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vx {
namespace {

AttackerPlace move(int col, int row, int pattern) { return phase2_move({col, row, pattern}); }

TEST(Phase2Moves, NormalMovesAwayFromWallsAndCeiling) {
  EXPECT_EQ(move(3, 4, 1), (AttackerPlace{4, 4, 1}));  // right
  EXPECT_EQ(move(3, 4, 2), (AttackerPlace{4, 3, 3}));  // down and right, then down
  EXPECT_EQ(move(3, 4, 3), (AttackerPlace{3, 3, 3}));  // down
  EXPECT_EQ(move(3, 4, 4), (AttackerPlace{2, 3, 4}));  // down and left
  EXPECT_EQ(move(3, 4, 5), (AttackerPlace{2, 4, 5}));  // left
  EXPECT_EQ(move(3, 4, 6), (AttackerPlace{2, 5, 6}));  // up and left
  EXPECT_EQ(move(3, 4, 7), (AttackerPlace{3, 5, 7}));  // up
  EXPECT_EQ(move(3, 4, 8), (AttackerPlace{4, 5, 8}));  // up and right
}

TEST(Phase2Moves, RightWallSendsDown) {
  EXPECT_EQ(move(5, 4, 1), (AttackerPlace{5, 3, 3}));
  EXPECT_EQ(move(5, 4, 2), (AttackerPlace{5, 3, 3}));
  EXPECT_EQ(move(5, 4, 8), (AttackerPlace{5, 3, 3}));  // the climb turns into a fall
  EXPECT_EQ(move(5, 8, 8), (AttackerPlace{5, 7, 3}));  // the wall is tested before the ceiling
}

TEST(Phase2Moves, LeftWallClimbs) {
  EXPECT_EQ(move(1, 4, 4), (AttackerPlace{1, 5, 4}));  // heading 4 kept, climbing
  EXPECT_EQ(move(1, 4, 5), (AttackerPlace{1, 5, 7}));
  EXPECT_EQ(move(1, 4, 6), (AttackerPlace{1, 5, 7}));
  EXPECT_EQ(move(1, 1, 4), (AttackerPlace{1, 2, 4}));  // from the ship's row too
  EXPECT_EQ(move(1, 1, 5), (AttackerPlace{1, 2, 7}));
}

TEST(Phase2Moves, LeftWallAtTheCeilingTurnsRightFromColumnTwo) {
  EXPECT_EQ(move(1, 8, 4), (AttackerPlace{2, 8, 1}));
  EXPECT_EQ(move(1, 8, 5), (AttackerPlace{2, 8, 1}));
  EXPECT_EQ(move(1, 8, 6), (AttackerPlace{2, 8, 1}));
}

TEST(Phase2Moves, CeilingSendsAlongToTheRight) {
  EXPECT_EQ(move(3, 8, 7), (AttackerPlace{4, 8, 1}));
  EXPECT_EQ(move(3, 8, 8), (AttackerPlace{4, 8, 1}));
  // Heading 6 ends one column right of where it began: two right of its sideways step.
  EXPECT_EQ(move(3, 8, 6), (AttackerPlace{4, 8, 1}));
  EXPECT_EQ(move(2, 8, 6), (AttackerPlace{3, 8, 1}));
  EXPECT_EQ(move(4, 8, 6), (AttackerPlace{5, 8, 1}));
  // Heading 1 along the ceiling is a plain move right.
  EXPECT_EQ(move(3, 8, 1), (AttackerPlace{4, 8, 1}));
}

TEST(Phase2Moves, TopRightCornerSendsDownFromRowSeven) {
  EXPECT_EQ(move(5, 8, 6), (AttackerPlace{5, 7, 3}));
  EXPECT_EQ(move(5, 8, 7), (AttackerPlace{5, 7, 3}));
  EXPECT_EQ(move(5, 8, 1), (AttackerPlace{5, 7, 3}));
}

TEST(Phase2Moves, AlongTheShipRow) {
  EXPECT_EQ(move(3, 1, 1), (AttackerPlace{4, 1, 1}));  // walks right
  EXPECT_EQ(move(5, 1, 1), (AttackerPlace{5, 0, 3}));  // and leaves at the right wall
  EXPECT_EQ(move(3, 1, 5), (AttackerPlace{2, 1, 5}));  // walks left
  EXPECT_EQ(move(3, 1, 6), (AttackerPlace{2, 2, 6}));  // climbs away
  EXPECT_EQ(move(3, 1, 7), (AttackerPlace{3, 2, 7}));
  EXPECT_EQ(move(3, 1, 8), (AttackerPlace{4, 2, 8}));
  EXPECT_EQ(move(5, 1, 8), (AttackerPlace{5, 0, 3}));  // at the right wall it leaves
  EXPECT_EQ(move(3, 1, 2), (AttackerPlace{4, 0, 3}));
  EXPECT_EQ(move(3, 1, 3), (AttackerPlace{3, 0, 3}));
  EXPECT_EQ(move(3, 1, 4), (AttackerPlace{2, 0, 4}));
}

TEST(Phase2Moves, EveryStartStaysOnScreenAndLeavesOnlyDownFromRowOne) {
  for (int c = 1; c <= 5; ++c)
    for (int r = 1; r <= 8; ++r)
      for (int p = 1; p <= 8; ++p) {
        const AttackerPlace to = move(c, r, p);
        SCOPED_TRACE(testing::Message() << "from " << c << "," << r << " heading " << p);
        EXPECT_GE(to.col, 1);
        EXPECT_LE(to.col, 5);
        EXPECT_LE(to.row, 8);
        EXPECT_GE(to.pattern, 1);
        EXPECT_LE(to.pattern, 8);
        const bool may_leave = r == 1 && (p == 2 || p == 3 || (p == 4 && c > 1) || ((p == 1 || p == 8) && c == 5));
        EXPECT_EQ(to.row < 1, may_leave);
        EXPECT_GE(to.row, 0);
        EXPECT_LE(std::abs(to.row - r), 1);
        if (p == 2) {
          EXPECT_EQ(to.pattern, 3);
        }
      }
}

}  // namespace
}  // namespace vx
