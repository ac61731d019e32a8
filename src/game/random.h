// The console's one random generator. Random(n) yields 0..n-1. Tests and the
// scenario runner queue forced values; a queued value that does not fit the draw's
// range is a script fault reported with the line that queued it.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>

namespace vx {

struct QueuedDrawError : std::runtime_error {
  QueuedDrawError(int line, std::int64_t value, int range)
      : std::runtime_error("queued random value " + std::to_string(value) + " is not below " + std::to_string(range)),
        line(line) {}
  int line;
};

class Random {
 public:
  void seed(std::uint32_t s) { gen_.seed(s); }
  void seed_from_clock();
  // Forces the next draw to yield `value`; `line` names where it came from.
  void queue(std::int64_t value, int line = 0) { queued_.push_back({value, line}); }
  std::size_t queued() const { return queued_.size(); }

  int operator()(int n);

 private:
  struct Forced {
    std::int64_t value;
    int line;
  };
  std::mt19937 gen_{1};
  std::deque<Forced> queued_;
};

}  // namespace vx
