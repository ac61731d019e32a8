// Phase 1: the two scrolling enemy rows, the attackers that dive out of them,
// their hits, the reprise after a loss and the completion into phase 2.
#include "game/console_state.h"

namespace vx {

void Console::Timer_Phase1_Enemy_Row8Timer() {}
void Console::Timer_Phase1_Enemy_Row7Timer() {}
void Console::Timer_Phase1_Enemy_AttackingTimer() {}
void Console::Timer_Phase1_Enemy_Rows78_HitTimer() {}
void Console::Timer_Phase1_Enemy_Attacking_HitTimer() {}
void Console::Timer_Phase1_RepriseTimer() {}
void Console::Timer_Phase1_CompleteTimer() {}

}  // namespace vx
