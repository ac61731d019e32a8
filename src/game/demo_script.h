// The demonstration's fixed script: for each of its 95 steps the cell the attacker
// stands in and whether it drops a shot there. Steps 1 to 26 play once, then steps
// 27 to 95 repeat for ever.
#pragma once

#include <array>

namespace vx {

struct DemoStep {
  int col, row;  // column 1..5, row 1..8
  bool shot;
};

inline constexpr int kDemoSteps = 95;
inline constexpr int kDemoLoopStart = 27;
extern const std::array<DemoStep, kDemoSteps + 1> kDemoScript;  // [0] unused

}  // namespace vx
