// The demonstration: the power-on jingle, then the scripted attacker over the
// scrolling rows, looping for ever.
#include "game/console_state.h"

namespace vx {

void Console::Timer_Demo_1Timer() {}
void Console::Timer_Demo_2Timer() {}

}  // namespace vx
