// The demonstration's script table, by what must hold for any script: every step
// on the grid, a shot only where a shot cell lies, and an attacker that flies from
// cell to neighbouring cell until it lands on row 1, where the next one enters.
#include "game/demo_script.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vx {
namespace {

TEST(DemoScript, EachFlightMovesOneCellAtATimeUntilItLands) {
  int flights = 1;
  for (int s = 2; s <= kDemoSteps; ++s) {
    const DemoStep& from = kDemoScript[s - 1];
    const DemoStep& to = kDemoScript[s];
    const bool neighbour = std::abs(to.col - from.col) <= 1 && std::abs(to.row - from.row) <= 1;
    if (!neighbour) {
      EXPECT_EQ(from.row, 1) << "a new attacker enters only after a landing, step " << s;
      ++flights;
    }
  }
  EXPECT_GE(flights, 2) << "the first run lands before the loop";
  // The loop goes on from its last step to its first: a move like any other.
  const DemoStep& last = kDemoScript[kDemoSteps];
  const DemoStep& first = kDemoScript[kDemoLoopStart];
  EXPECT_LE(std::abs(first.col - last.col), 1);
  EXPECT_LE(std::abs(first.row - last.row), 1);
  EXPECT_GT(kDemoLoopStart, 1);
  EXPECT_LT(kDemoLoopStart, kDemoSteps);
}

TEST(DemoScript, TheAttackerShootsDuringTheRun) {
  int shots_first_run = 0, shots_loop = 0;
  for (int s = 1; s <= kDemoSteps; ++s) (s < kDemoLoopStart ? shots_first_run : shots_loop) += kDemoScript[s].shot;
  EXPECT_GT(shots_first_run, 0);
  EXPECT_GT(shots_loop, 0);
}

TEST(DemoScript, StaysOnTheScreenBelowTheTopRow) {
  for (int s = 1; s <= kDemoSteps; ++s) {
    EXPECT_GE(kDemoScript[s].col, 1) << "step " << s;
    EXPECT_LE(kDemoScript[s].col, 5) << "step " << s;
    EXPECT_GE(kDemoScript[s].row, 1) << "step " << s;
    EXPECT_LE(kDemoScript[s].row, 8) << "step " << s;
    // A shot needs a shot cell: rows 2 and up.
    if (kDemoScript[s].shot) {
      EXPECT_GE(kDemoScript[s].row, 2) << "step " << s;
    }
  }
}

}  // namespace
}  // namespace vx
