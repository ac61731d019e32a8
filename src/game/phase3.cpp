// Phase 3: the flickering mothership, its part hits, the reprise, and the
// completion that launches the shuttle.
#include <algorithm>

#include "game/console_state.h"
#include "game/round_steps.h"

namespace vx {
namespace {

// One rise of the launched shuttle: a row up, and a fresh start of the flame blink.
void launch_tail(Console& k) {
  k.Vid_Display_Shuttle(false);
  ++k.ShuttleRow;
  k.Vid_Display_Shuttle(true);
  k.FlameBlink = 1;
  k.set_interval(TimerId::Timer_Phase4_Shuttle_Thrust_Display, 1);
  k.enable(TimerId::Timer_Phase4_Shuttle_Thrust_Display, false);
  k.enable(TimerId::Timer_Phase4_Shuttle_Thrust_Display, true);
}

}  // namespace

// Every tick the parts still alive stand anew in distinct random columns of row 9,
// each dropping a shot one time in four.
void Console::Timer_Phase3_MothershipTimer() {
  for (int c = 1; c <= kCols; ++c) {
    aEnemy[c][9] = 0;
    board.show(EnemySprite[c][9], false);
  }
  // There are never more parts than columns; the bound keeps the placing finite.
  const int parts = std::min(EnemiesLeft, kCols);
  for (int n = 0; n < parts; ++n) {
    int c;
    do c = random(5) + 1;
    while (aEnemy[c][9] != 0);
    aEnemy[c][9] = 1;
    board.show(EnemySprite[c][9], true);
    if (random(4) == 0) drop_enemy_shot(c, 9);
  }
  for (int c = 1; c <= kCols; ++c) MothershipSaved[c] = aEnemy[c][9];
  Gam_Phase123_Check_Collision();  // a part placed on the standing shot is hit
}

// The hit part blinks every 100 ms; at step 7 it is destroyed (100 points), at
// step 8 play resumes without it.
void Console::Timer_Phase3_Mothership_HitTimer() {
  constexpr TimerId self = TimerId::Timer_Phase3_Mothership_Hit;
  board.show(EnemySprite[HitCol][9], HitStep % 2 == 0);
  switch (HitStep) {
    case 1:  // the player's shot is used up, wherever it is
      for (int c = 1; c <= kCols; ++c)
        for (int r = 2; r <= kRows; ++r) {
          std::int32_t& cell = aFire[c][r];
          if (cell > 1) cell -= 2;
          if (cell < 1) cell = 0;
          if (cell == 0) board.show(FireSprite[c][r], false);
          if (cell == 1) board.show(FireSprite[c][r], true);
        }
      break;
    case 7:
      Score += 100;
      Vid_Display_Panel_Score(Score, true);
      --EnemiesLeft;
      Snd_Play(Effect::Hit);
      if (EnemiesLeft < 1) start_completion(*this, TimerId::Timer_Phase3_Complete);
      break;
    case 8:
      aEnemy[HitCol][9] = 0;
      board.show(EnemySprite[HitCol][9], false);
      resume_after_hit(*this, TimerId::Timer_Phase3_Mothership, self);
      break;
    default:
      break;
  }
  ++HitStep;
}

// After a lost ship: the lives and the mothership as it last stood, a blank screen
// with the start tune, then control and the mothership together, 50 ms faster.
void Console::Timer_Phase3_RepriseTimer() {
  constexpr TimerId self = TimerId::Timer_Phase3_Reprise;
  switch (Step) {
    case 1:
      reprise_show_lives(*this);
      for (int c = 1; c <= kCols; ++c) board.show(EnemySprite[c][9], MothershipSaved[c] == 1);
      set_interval(self, 1500);
      break;
    case 2:
      reprise_blank(*this);
      set_interval(self, 1650);
      break;
    case 3:
      for (int c = 1; c <= kCols; ++c) {
        aEnemy[c][9] = MothershipSaved[c] == 1 ? 1 : 0;
        board.show(EnemySprite[c][9], MothershipSaved[c] == 1);
      }
      Vid_Display_Panel_Score(Score, true);
      Vid_Display_Ship(true);
      ControlsReady = true;
      start_timer(TimerId::Timer_Phase3_Mothership, skill_interval() - 50);
      enable(self, false);
      break;
    default:
      break;
  }
  ++Step;
}

// The shuttle launch: blank with the phase tune 200 ms after the last kill, the
// score and the ship with the thrust sound 3300 ms later, then every 1300 ms the
// shuttle rises a row (2 to 6) while the panel alternates GOOD and the score, and
// 1300 ms after row 6 the docking begins.
void Console::Timer_Phase3_CompleteTimer() {
  constexpr TimerId self = TimerId::Timer_Phase3_Complete;
  const auto hide_flame = [this] { board.show(FireSprite[ShipCol][ShuttleRow], false); };
  switch (Step) {
    case 1:
      completion_blank(*this);
      set_interval(self, 3300);
      break;
    case 2:
      Vid_Display_Panel_Score(Score, true);
      Vid_Display_Ship(true);
      Snd_Play(Effect::Thrust);
      set_interval(self, 1300);
      break;
    case 3:
      Gam_Phase4_Set_Sprites();
      panel_good();
      ShuttleRow = 1;
      launch_tail(*this);
      break;
    case 4:
    case 6:
      Vid_Display_Panel_Score(Score, true);
      hide_flame();
      launch_tail(*this);
      break;
    case 5:
    case 7:
      panel_good();
      hide_flame();
      launch_tail(*this);
      break;
    case 8:
      Phase = 4;
      hide_flame();
      enable(self, false);
      enable(TimerId::Timer_Phase4_Shuttle_Thrust_Display, false);
      Snd_Silence();
      ThrustOn = false;
      DockCountdown = 999;
      Vid_Display_Panel_Score(DockCountdown, true);
      DockCol = ShipCol;
      start_timer(TimerId::Timer_Phase4_Shuttle_Down, 2260);
      DockTick = 1;
      start_timer(TimerId::Timer_Phase4_Dock, 16);
      set_interval(TimerId::Timer_Keypress, 800);
      ControlsReady = true;
      break;
    default:
      break;
  }
  ++Step;
}

}  // namespace vx
