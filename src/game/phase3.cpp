// Phase 3: the flickering mothership, its part hits, the reprise, and the
// completion that launches the shuttle.
#include "game/console_state.h"

namespace vx {

void Console::Timer_Phase3_MothershipTimer() {}
void Console::Timer_Phase3_Mothership_HitTimer() {}
void Console::Timer_Phase3_RepriseTimer() {}
void Console::Timer_Phase3_CompleteTimer() {}

}  // namespace vx
