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

// The player's shot climbs one row every 80 ms in its own column and leaves the
// screen from row 9.
void Console::Timer_Phase123_Player_FireTimer() {
  const int c = ShotCol;
  if (aFire[c][9] > 1) {
    aFire[c][9] -= 2;
    board.show(FireSprite[c][9], false);
  }
  for (int r = 8; r >= 2; --r)
    if (aFire[c][r] > 1) {
      aFire[c][r] -= 2;
      board.show(FireSprite[c][r], false);  // even if an enemy shot stays in the cell
      aFire[c][r + 1] += 2;
      board.show(FireSprite[c][r + 1], true);
    }
  ShotInFlight = false;
  for (int r = 2; r <= 9; ++r) ShotInFlight = ShotInFlight || aFire[c][r] > 1;
  enable(TimerId::Timer_Phase123_Player_Fire, ShotInFlight);
  Gam_Phase123_Check_Collision();
}

// Enemy shots fall one row a tick and leave below row 2; during a game a shot
// waiting on row 2 above the ship takes it.
void Console::Timer_Phase123_Enemy_FireTimer() {
  if (GameMode == 3 && (aFire[ShipCol][2] & 1)) {
    Gam_Phase123_Miss();
    return;
  }
  bool any_visible = false;
  for (int c = 1; c <= kCols; ++c) {
    if (aFire[c][2] & 1) aFire[c][2] -= 1;
    for (int r = 3; r <= 9; ++r)
      if (aFire[c][r] & 1) {
        aFire[c][r] -= 1;
        aFire[c][r - 1] += 1;
      }
    for (int r = 2; r <= 9; ++r) {
      board.show(FireSprite[c][r], aFire[c][r] > 0);
      any_visible = any_visible || aFire[c][r] > 0;
    }
  }
  enable(TimerId::Timer_Phase123_Enemy_Fire, any_visible);
}

void Console::drop_enemy_shot(int col, int row) {
  if (row < 2 || (aFire[col][row] & 1)) return;  // never two enemy shots in a cell
  aFire[col][row] += 1;
  board.show(FireSprite[col][row], true);
  enable(TimerId::Timer_Phase123_Enemy_Fire);
}

void Console::ship_collision_test() {
  if (board[EnemySprite[ShipCol][1]].visible || (aFire[ShipCol][2] & 1)) Gam_Phase123_Miss();
}

void Console::Gam_Phase123_Check_Collision() {
  if (Phase == 1 || Phase == 2) {
    for (int r = 2; r <= 8; ++r)
      for (int c = 1; c <= kCols; ++c) {
        if (aFire[c][r] <= 1 || aEnemy[c][r] <= 0) continue;
        Gam_Stop_All_Timers();
        Snd_Silence();
        ControlsReady = false;
        HitCol = c;
        HitRow = r;
        if (Phase == 2) {
          HitStep = 1;
          start_timer(TimerId::Timer_Phase2_Enemy_Attacking_Hit, 100);
        } else if (aEnemy[c][r] == 1) {  // a row enemy alone
          Snd_Play(Effect::Hit);
          start_timer(TimerId::Timer_Phase1_Enemy_Rows78_Hit, 80);
        } else {
          HitStep = 1;
          start_timer(TimerId::Timer_Phase1_Enemy_Attacking_Hit, 100);
        }
      }
  } else if (Phase == 3) {
    for (int c = 1; c <= kCols; ++c) {
      if (aFire[c][9] <= 1 || aEnemy[c][9] <= 0) continue;
      board.show(FireSprite[c][9], true);
      Gam_Stop_All_Timers();
      Snd_Silence();
      ControlsReady = false;
      HitCol = c;
      HitStep = 1;
      start_timer(TimerId::Timer_Phase3_Mothership_Hit, 100);
    }
  }
}

void Console::Gam_Phase123_Miss() {
  Gam_Stop_All_Timers();
  Snd_Silence();
  ControlsReady = false;
  Step = 1;
  start_timer(TimerId::Timer_Phase123_Miss, 1);
}

// The lost ship and its wreck alternate every 70 ms, the screen goes blank, and a
// life later the phase's reprise or the game over follows.
void Console::Timer_Phase123_MissTimer() {
  constexpr TimerId self = TimerId::Timer_Phase123_Miss;
  const ElementId wreck = EnemySprite[ShipCol][1];
  switch (Step) {
    case 1:
      set_interval(self, 70);
      break;
    case 2:
      Vid_Display_Ship(false);
      for (int c = 1; c <= kCols; ++c) {
        board.set_picture_from(EnemySprite[c][1], EnemyLook[c][1].Wings);
        board.show(FireSprite[c][2], false);
      }
      board.show(wreck, true);
      break;
    case 3:
    case 5:
    case 7:
      Vid_Display_Ship(true);
      board.show(wreck, false);
      break;
    case 4:
    case 6:
      Vid_Display_Ship(false);
      board.show(wreck, true);
      break;
    case 8:
      Vid_Display_Ship(false);
      board.show(wreck, true);
      Snd_Play(Effect::Miss);
      set_interval(self, 250);
      break;
    case 9:
      Vid_Display_All_Sprites(false);
      Gam_Reset_Numeric_Arrays();
      Gam_Phase123_Set_Sprites();
      set_interval(self, 1500);
      break;
    case 10: {
      Step = 0;
      --Lives;
      static constexpr TimerId kReprise[4] = {TimerId::Timer_Phase1_Reprise, TimerId::Timer_Phase1_Reprise,
                                              TimerId::Timer_Phase2_Reprise, TimerId::Timer_Phase3_Reprise};
      if (Lives <= 0)
        start_timer(TimerId::Timer_Game_Over, 1);
      else if (Phase >= 1 && Phase <= 3)
        start_timer(kReprise[Phase], 1);
      enable(self, false);
      break;
    }
    default:
      break;
  }
  ++Step;
}

}  // namespace vx
