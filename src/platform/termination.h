// Asking the application to end: the request is remembered at once, and the
// installed hook (the desktop program's: leave the event loop at its next turn)
// runs. A request made before the event loop starts ends the program as soon as
// start-up reaches the loop. An end asked for because of a fault of the
// installation makes the program's exit status 1, whatever ends it afterwards.
// Tests install no hook and look at the flags.
#pragma once

#include <functional>

namespace vx {

enum class Ending { Normal, Fault };

void request_termination(Ending ending = Ending::Normal);
bool termination_requested();
// 1 once an end was asked for because of a fault, else 0.
int exit_status();
// Installs the hook and forgets any earlier request (tests use it between cases).
void set_termination_hook(std::function<void()> hook);

}  // namespace vx
