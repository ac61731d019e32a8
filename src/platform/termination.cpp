#include "platform/termination.h"

#include <utility>

namespace vx {
namespace {
struct State {
  bool requested = false;
  std::function<void()> hook;
};
State& state() {
  static State s;
  return s;
}
}  // namespace

void request_termination() {
  state().requested = true;
  if (state().hook) state().hook();
}

bool termination_requested() { return state().requested; }

void set_termination_hook(std::function<void()> hook) {
  state().requested = false;
  state().hook = std::move(hook);
}

}  // namespace vx
