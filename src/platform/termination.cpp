#include "platform/termination.h"

#include <utility>

namespace vx {
namespace {
struct State {
  bool requested = false;
  bool fault = false;
  std::function<void()> hook;
};
State& state() {
  static State s;
  return s;
}
}  // namespace

void request_termination(Ending ending) {
  state().requested = true;
  state().fault = state().fault || ending == Ending::Fault;
  if (state().hook) state().hook();
}

bool termination_requested() { return state().requested; }

int exit_status() { return state().fault ? 1 : 0; }

void set_termination_hook(std::function<void()> hook) {
  state().requested = false;
  state().fault = false;
  state().hook = std::move(hook);
}

}  // namespace vx
