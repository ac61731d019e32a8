// Shooting in phases 1 to 3: the player's shot, the enemy shots, the collision
// test, and the loss of the ship.
#include "game/console_state.h"

namespace vx {

void Console::Gam_Phase123_Set_Sprites() {
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= 6; ++r) board.set_picture_from(EnemySprite[c][r], EnemyLook[c][r].Whole);
    board.set_picture_from(ShipSprite[c], ShipLook[c].Whole);
  }
}

void Console::Gam_Phase123_Check_Collision() {}
void Console::Gam_Phase123_Miss() {}
void Console::Timer_Phase123_Player_FireTimer() {}
void Console::Timer_Phase123_Enemy_FireTimer() {}
void Console::Timer_Phase123_MissTimer() {}
void Console::drop_enemy_shot(int, int) {}
void Console::ship_collision_test() {}

}  // namespace vx
