// Phase 4: docking the shuttle: descent, thrust, the sliding dock with its
// countdown, and the bonus or the missed dock.
#include "game/console_state.h"

namespace vx {

void Console::Gam_Phase4_Set_Sprites() {}
void Console::Gam_Phase4_Check_Dock() {}
void Console::Timer_Phase4_Shuttle_ThrustTimer() {}
void Console::Timer_Phase4_Shuttle_Thrust_DisplayTimer() {}
void Console::Timer_Phase4_Shuttle_DownTimer() {}
void Console::Timer_Phase4_DockTimer() {}
void Console::Timer_Phase4_Miss_DockTimer() {}
void Console::Timer_Phase4_BonusTimer() {}
void Console::phase4_left_down() {}
void Console::phase4_right_down() {}
void Console::phase4_fire_down() {}
void Console::phase4_fire_up() {}

}  // namespace vx
