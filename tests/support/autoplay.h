// A player who aims: moves under the nearest target, fires, steers the shuttle
// towards the dock and starts a new game after each game over. Drives long
// stretches of play for the soak test and the core-speed benchmark.
#pragma once

#include <cstdint>
#include <random>

#include "game/console_state.h"

namespace vx {

class AutoPlayer {
 public:
  explicit AutoPlayer(Console& k, std::uint32_t seed = 7) : k_(k), dice_(seed) {}
  // Keeps the game alive through every phase by topping up the lives.
  bool endless = true;
  // Now and then switch the console off (it is switched on again next moment).
  bool power_cuts = true;

  // One moment of play: looks at the screen and works the controls.
  void play_a_moment();
  // Plays for `ms` of virtual time, a moment every 40 to 340 ms.
  void play_for(std::int64_t ms);

 private:
  int target() const;

  Console& k_;
  std::mt19937 dice_;
};

}  // namespace vx
