// Asking the application to end: the request is remembered at once, and the
// installed hook (the desktop program's: leave the event loop at its next turn)
// runs. A request made before the event loop starts ends the program as soon as
// start-up reaches the loop. Tests install no hook and look at the flag.
#pragma once

#include <functional>

namespace vx {

void request_termination();
bool termination_requested();
// Installs the hook and forgets any earlier request (tests use it between cases).
void set_termination_hook(std::function<void()> hook);

}  // namespace vx
