// The game's clock over a running wall clock: it stops while the game is paused
// and goes on from the moment it stopped, so every timer of the console keeps the
// time it had left. Times are milliseconds; the wall clock never runs backwards.
#pragma once

#include <cstdint>

namespace vx {

class GameClock {
 public:
  // Game time at wall time `wall`.
  std::int64_t now(std::int64_t wall) const { return (paused_ ? paused_at_ : wall) - lost_; }
  bool paused() const { return paused_; }

  void pause(std::int64_t wall) {
    if (paused_) return;
    paused_ = true;
    paused_at_ = wall;
  }
  void resume(std::int64_t wall) {
    if (!paused_) return;
    paused_ = false;
    if (wall > paused_at_) lost_ += wall - paused_at_;
  }

 private:
  bool paused_ = false;
  std::int64_t paused_at_ = 0;  // wall time of the pause
  std::int64_t lost_ = 0;       // wall time spent paused, all pauses together
};

}  // namespace vx
