// The demonstration: the power-on jingle, then the scripted attacker over the
// scrolling rows, looping for ever.
#include "game/console_state.h"

namespace vx {

void Console::demo_set_up_rows() {
  EnemiesLeft = 10;
  board.show(EnemySprite[5][8], true);
  aEnemy[5][8] = 1;
  start_timer(TimerId::Timer_Phase1_Enemy_Row8, 200);
  board.show(EnemySprite[1][7], true);
  aEnemy[1][7] = 1;
  start_timer(TimerId::Timer_Phase1_Enemy_Row7, 350);
}

void Console::demo_set_up_script() {
  light_mothership_row();
  Step = 0;
  start_timer(TimerId::Timer_Demo_2, skill_interval());
}

void Console::Timer_Demo_1Timer() {}
void Console::Timer_Demo_2Timer() {}

}  // namespace vx
