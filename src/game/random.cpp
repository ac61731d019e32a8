#include "game/random.h"

#include <chrono>

namespace vx {

void Random::seed_from_clock() {
  seed(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int Random::operator()(int n) {
  if (!queued_.empty()) {
    const Forced f = queued_.front();
    queued_.pop_front();
    if (f.value < 0 || f.value >= n) throw QueuedDrawError(f.line, f.value, n);
    return static_cast<int>(f.value);
  }
  return std::uniform_int_distribution<int>(0, n - 1)(gen_);
}

}  // namespace vx
