// Phase 4: docking the shuttle: descent, thrust, the sliding dock with its
// countdown, and the bonus or the missed dock.
#include "game/console_state.h"

namespace vx {
namespace {

constexpr int kDockMoveTicks = 35;  // the dock slides one column every 35 ticks of 16 ms

// Either way the docking ends, the next round begins with phase 1's reprise.
void next_round(Console& k, TimerId sequence) {
  k.Vid_Display_Dock(false);
  k.Vid_Display_Shuttle(false);
  k.Gam_Phase123_Set_Sprites();
  k.Phase = 1;
  k.EnemiesLeft = 10;
  k.Step = 0;
  k.start_timer(TimerId::Timer_Phase1_Reprise, 1);
  k.enable(sequence, false);
}

// The shuttle steps one column (-1 left, +1 right) unless at the edge; the next
// move waits for Timer_Keypress.
void move_shuttle(Console& k, int dir) {
  if (!k.ControlsReady) return;
  if (dir < 0 ? k.ShipCol <= 1 : k.ShipCol >= 5) return;
  k.Vid_Display_Shuttle(false);
  k.ShipCol += dir;
  k.Vid_Display_Shuttle(true);
  k.ControlsReady = false;
  k.enable(TimerId::Timer_Keypress, false);
  k.enable(TimerId::Timer_Keypress, true);
  k.hide_flames();
}

// Ends the descent where the shuttle is: everything stops and the dock is judged.
void end_descent(Console& k) {
  k.Gam_Stop_All_Timers();
  k.Snd_Silence();
  k.ControlsReady = false;
}

}  // namespace

void Console::Gam_Phase4_Set_Sprites() {
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= 6; ++r) board.set_picture_from(EnemySprite[c][r], EnemyLook[c][r].Body);
    board.set_picture_from(ShipSprite[c], ShipLook[c].Dock);
  }
}

void Console::Gam_Phase4_Check_Dock() {
  Step = 1;
  if (ShipCol == DockCol && ShuttleRow == 1)
    start_timer(TimerId::Timer_Phase4_Bonus, 1);
  else
    start_timer(TimerId::Timer_Phase4_Miss_Dock, 1);
}

// Every 1500 ms of thrust a held fire button lifts the shuttle a row, up to row 6.
void Console::Timer_Phase4_Shuttle_ThrustTimer() {
  if (!FireHeld || ShuttleRow >= 6) return;
  hide_flames();
  Vid_Display_Shuttle(false);
  ++ShuttleRow;
  Vid_Display_Shuttle(true);
}

// The flame under the shuttle: lit at once, then 162 ms dark, 162 ms lit.
void Console::Timer_Phase4_Shuttle_Thrust_DisplayTimer() {
  if (FlameBlink == 1 && ShipCol >= 1 && ShipCol <= 5 && ShuttleRow >= 2 && ShuttleRow <= 6)
    board.show(FireSprite[ShipCol][ShuttleRow], true);
  else
    hide_flames();
  if (++FlameBlink == 3) FlameBlink = 1;
  set_interval(TimerId::Timer_Phase4_Shuttle_Thrust_Display, 162);
}

// Every 2260 ms the shuttle sinks a row; from row 2 it lands and is judged.
void Console::Timer_Phase4_Shuttle_DownTimer() {
  if (ShuttleRow >= 3) {
    Vid_Display_Shuttle(false);
    --ShuttleRow;
    Vid_Display_Shuttle(true);
    return;
  }
  end_descent(*this);
  Vid_Display_Shuttle(false);
  ShuttleRow = 1;
  Vid_Display_Shuttle(true);
  Gam_Phase4_Check_Dock();
}

// Every 16 ms the countdown drops by one; every 35 ticks the dock slides right,
// from column 5 round to column 1. At 0 the time is up: a miss.
void Console::Timer_Phase4_DockTimer() {
  if (DockCountdown <= 0) {
    end_descent(*this);
    Gam_Phase4_Check_Dock();
    return;
  }
  --DockCountdown;
  Vid_Display_Panel_Score(DockCountdown, true);
  if (DockTick >= kDockMoveTicks) {
    Vid_Display_Dock(false);
    if (++DockCol > 5) DockCol = 1;
    Vid_Display_Dock(true);
    DockTick = 0;
  }
  ++DockTick;
}

// Missed: MissDock a second after the landing, the next round two seconds later.
void Console::Timer_Phase4_Miss_DockTimer() {
  constexpr TimerId self = TimerId::Timer_Phase4_Miss_Dock;
  switch (Step) {
    case 1:
      set_interval(self, 1000);
      break;
    case 2:
      Snd_Play(Effect::MissDock);
      set_interval(self, 2000);
      break;
    case 3:
      next_round(*this, self);
      break;
    default:
      break;
  }
  ++Step;
}

// Docked: Bonus at once; five seconds later what was left of the countdown is
// added to the score (the panel keeps the frozen countdown meanwhile).
void Console::Timer_Phase4_BonusTimer() {
  constexpr TimerId self = TimerId::Timer_Phase4_Bonus;
  switch (Step) {
    case 1:
      Snd_Play(Effect::Bonus);
      set_interval(self, 5000);
      break;
    case 2:
      Score += DockCountdown;
      next_round(*this, self);
      break;
    default:
      break;
  }
  ++Step;
}

void Console::phase4_left_down() { move_shuttle(*this, -1); }
void Console::phase4_right_down() { move_shuttle(*this, +1); }

// Thrust: the descent stops, the flame blinks, and while fire stays held the
// shuttle climbs a row every 1500 ms.
void Console::phase4_fire_down() {
  if (!ControlsReady || ThrustOn) return;
  Snd_Play(Effect::Thrust);
  ThrustOn = true;
  enable(TimerId::Timer_Phase4_Shuttle_Down, false);
  start_timer(TimerId::Timer_Phase4_Shuttle_Thrust, 1500);
  FlameBlink = 1;
  start_timer(TimerId::Timer_Phase4_Shuttle_Thrust_Display, 1);
}

// Thrust ends; the descent resumes, a full 2260 ms after the release if thrust
// had stopped it.
void Console::phase4_fire_up() {
  Snd_Silence();
  ThrustOn = false;
  enable(TimerId::Timer_Phase4_Shuttle_Thrust_Display, false);
  enable(TimerId::Timer_Phase4_Shuttle_Thrust, false);
  enable(TimerId::Timer_Phase4_Shuttle_Down);
  hide_flames();
}

}  // namespace vx
