// The demonstration's script table, checked against the path and the shot steps
// as the console's designers wrote them down.
#include "game/demo_script.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vx {
namespace {

// The attacker's path as written in the design notes: column,row per step, an
// asterisk where it drops a shot.
constexpr const char* kWrittenPath =
    "4,6; 3,6; 4,6; 5,6; 5,5*; 4,5*; 5,5; 4,5; "
    "3,5*; 3,4; 3,3; 2,3; 3,3*; 2,3; 1,3; 2,3; "
    "2,2; 2,1; 1,1; 3,7; 4,6; 5,5; 4,4; 5,3*; "
    "4,2; 3,1; "
    "2,6; 1,6; 2,7; 3,8; 4,8; 5,7; 5,6; 4,6; "
    "3,7; 3,8; 4,7*; 5,7; 4,6; 3,5; 2,5; 1,6; "
    "1,7; 2,7; 3,7; 3,6; 2,6; 1,7*; 2,7; 3,7; "
    "3,6*; 3,5; 2,5*; 3,4; 3,3; 2,3; 1,4; 1,5*; "
    "2,6*; 3,5; 3,4*; 2,4; 1,5; 2,4; 1,5; 1,6; "
    "2,7; 3,6*; 3,5; 2,5*; 1,6; 1,7; 2,8; 2,7; "
    "1,8*; 2,8; 3,7; 4,7; 5,6; 5,5; 4,5; 3,6; "
    "3,7; 4,8; 5,8; 5,7; 4,6; 3,5; 2,5; 1,6; "
    "2,7; 3,8; 4,7; 3,6; 2,6*";

TEST(DemoScript, FollowsTheWrittenPathStepByStep) {
  std::istringstream in(kWrittenPath);
  std::string entry;
  int step = 0;
  while (std::getline(in, entry, ';')) {
    ++step;
    ASSERT_LE(step, kDemoSteps);
    const auto comma = entry.find(',');
    const int col = std::stoi(entry.substr(0, comma));
    const int row = std::stoi(entry.substr(comma + 1));
    const bool shot = entry.find('*') != std::string::npos;
    EXPECT_EQ(kDemoScript[step].col, col) << "step " << step;
    EXPECT_EQ(kDemoScript[step].row, row) << "step " << step;
    EXPECT_EQ(kDemoScript[step].shot, shot) << "step " << step;
  }
  EXPECT_EQ(step, 95);
}

TEST(DemoScript, DropsShotsAtExactlyTheSixteenListedSteps) {
  const std::vector<int> listed{5, 6, 9, 13, 24, 37, 48, 51, 53, 58, 59, 61, 68, 70, 75, 95};
  std::vector<int> dropping;
  for (int s = 1; s <= kDemoSteps; ++s)
    if (kDemoScript[s].shot) dropping.push_back(s);
  EXPECT_EQ(dropping, listed);
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
  EXPECT_EQ(kDemoLoopStart, 27);
}

}  // namespace
}  // namespace vx
