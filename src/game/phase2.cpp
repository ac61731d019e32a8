// Phase 2: attackers that swirl by their headings, their hits, the reprise and
// the completion into phase 3.
#include "game/console_state.h"

namespace vx {

void Console::Timer_Phase2_Enemy_AttackingTimer() {}
void Console::Timer_Phase2_Enemy_Attacking_HitTimer() {}
void Console::Timer_Phase2_RepriseTimer() {}
void Console::Timer_Phase2_CompleteTimer() {}

}  // namespace vx
