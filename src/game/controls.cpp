// The six controls: key and button input, the move rate limit, and the game
// start and game over sequences.
#include "game/console_state.h"

namespace vx {

const std::array<KeyNameEntry, 45> KeyName{};

void Console::assign_keys(const std::array<int, 7>&) {}
void Console::set_button_hints() {}
void Console::FormKeyDown(int) {}
void Console::FormKeyUp(int) {}
void Console::inp_power_down() {}
void Console::inp_select_down() {}
void Console::inp_select_up() {}
void Console::inp_start_down() {}
void Console::inp_start_up() {}
void Console::inp_left_down() {}
void Console::inp_left_up() {}
void Console::inp_right_down() {}
void Console::inp_right_up() {}
void Console::inp_fire_down() {}
void Console::inp_fire_up() {}
void Console::Timer_Game_StartTimer() {}
void Console::Timer_Game_OverTimer() {}
void Console::Timer_KeypressTimer() {}

}  // namespace vx
