// Phase 1: the two scrolling enemy rows, the attackers that dive out of them,
// their hits, the reprise after a loss and the completion into phase 2.
#include "game/console_state.h"
#include "game/round_steps.h"

namespace vx {
namespace {

// A row enemy is the odd bit of its cell; attackers add 2 or 4.
bool holds_row_enemy(std::int32_t cell) { return (cell & 1) != 0; }

// One tick of a scrolling row. Row 8 runs leftwards (dir -1), row 7 rightwards
// (dir +1); an enemy leaves at the far edge and a new one enters at the near edge
// when the row holds none or one stands three columns from that edge, so they keep
// three columns apart. No new enemies while fewer than three attackers are left.
void scroll_row(Console& k, int row, int dir) {
  const int exit_col = dir < 0 ? 1 : kCols;
  const int entry_col = dir < 0 ? kCols : 1;
  const int trigger_col = entry_col + 3 * dir;  // 2 for row 8, 4 for row 7
  auto cell = [&k, row](int c) -> std::int32_t& { return k.aEnemy[c][row]; };

  if (holds_row_enemy(cell(exit_col))) cell(exit_col) -= 1;
  // Columns taken from the exit side onwards, so each enemy moves exactly one column.
  for (int c = exit_col - dir; c != entry_col - dir; c -= dir)
    if (holds_row_enemy(cell(c))) {
      cell(c) -= 1;
      cell(c + dir) += 1;
    }
  bool any = false;
  for (int c = 1; c <= kCols; ++c) {
    k.board.show(k.EnemySprite[c][row], cell(c) > 0);  // attackers in the row show too
    any = any || holds_row_enemy(cell(c));
  }
  if ((!any || holds_row_enemy(cell(trigger_col))) && k.EnemiesLeft >= 3) {
    cell(entry_col) += 1;
    k.board.show(k.EnemySprite[entry_col][row], true);
  }
  k.Gam_Phase123_Check_Collision();
}

// Sideways step of an attacker; from an edge column it turns back instead.
int step_sideways(int col, bool left) {
  if (left) return col == 1 ? 2 : col - 1;
  return col == kCols ? kCols - 1 : col + 1;
}

// Points for a row enemy: 10 in row 7, 20 in row 8.
int row_enemy_points(int row) { return 10 * (row / 8) + 10; }

// The end of a hit: the two rows, the attackers and the enemy shots start fresh
// periods with their old intervals, and the player gets the controls back.
void resume_play(Console& k, TimerId hit_timer) {
  k.enable(TimerId::Timer_Phase1_Enemy_Row8);
  k.enable(TimerId::Timer_Phase1_Enemy_Row7);
  resume_after_hit(k, TimerId::Timer_Phase1_Enemy_Attacking, hit_timer);
}

}  // namespace

void Console::start_fleet_rows() {
  set_interval(TimerId::Timer_Phase1_Enemy_Attacking, skill_interval());
  start_timer(TimerId::Timer_Phase1_Enemy_Row7, 350);
  start_timer(TimerId::Timer_Phase1_Enemy_Row8, 200);
}

// Row 8 scrolls left every 200 ms.
void Console::Timer_Phase1_Enemy_Row8Timer() { scroll_row(*this, 8, -1); }

// Row 7 scrolls right every 350 ms.
void Console::Timer_Phase1_Enemy_Row7Timer() { scroll_row(*this, 7, +1); }

// Every attacker slot in use enters, or moves one step, drops a shot now and then
// and may land on the ship; the tick sounds once.
void Console::Timer_Phase1_Enemy_AttackingTimer() {
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= kRows; ++r)
      if (aEnemy[c][r] < 0) aEnemy[c][r] = 0;

  for (int i = 1; i <= attacker_slots_in_use(); ++i) {
    AttackerSlot& a = Attacker[i];
    const int code = 2 * i;
    if (a.Col == 0 && a.Row == 0) {
      // A new attacker: pattern 1 enters in row 7, pattern 2 in row 8.
      a.Pattern = random(2) + 1;
      a.Points = 10 * a.Pattern + 30;
      a.Col = random(5) + 1;
      a.Row = a.Pattern + 6;
      aEnemy[a.Col][a.Row] += code;
      board.show(EnemySprite[a.Col][a.Row], true);
      continue;
    }
    aEnemy[a.Col][a.Row] -= code;
    if (aEnemy[a.Col][a.Row] == 0) board.show(EnemySprite[a.Col][a.Row], false);
    if (a.Pattern == 1) {  // wanders: left, right or down
      const int r = random(3);
      if (r == 2)
        --a.Row;
      else
        a.Col = step_sideways(a.Col, r == 0);
    } else if (a.Pattern == 2) {  // zig-zags down
      a.Col = step_sideways(a.Col, random(2) == 0);
      --a.Row;
    }
    if (a.Row < 1) {  // gone below the screen; a new one enters next tick
      a.Col = a.Row = a.Pattern = 0;
      continue;
    }
    aEnemy[a.Col][a.Row] += code;
    board.show(EnemySprite[a.Col][a.Row], true);
    if (a.Row > 1 && random(10) == 0) drop_enemy_shot(a.Col, a.Row);
    if (a.Row == 1 && a.Col == ShipCol) Gam_Phase123_Miss();  // landed on the ship; the tick goes on
    Gam_Phase123_Check_Collision();
  }
  Snd_Play(Effect::Tick);
}

// A row enemy shot alone: it vanishes 80 ms after the hit with the shot that took it.
void Console::Timer_Phase1_Enemy_Rows78_HitTimer() {
  aEnemy[HitCol][HitRow] = 0;
  board.show(EnemySprite[HitCol][HitRow], false);
  aFire[HitCol][HitRow] -= 2;
  if (aFire[HitCol][HitRow] == 0) board.show(FireSprite[HitCol][HitRow], false);
  Score += row_enemy_points(HitRow);
  Vid_Display_Panel_Score(Score, true);
  resume_play(*this, TimerId::Timer_Phase1_Enemy_Rows78_Hit);
}

// An attacker's cell was hit: it blinks for 700 ms; at the seventh step the row
// enemy sharing the cell, or else every attacker in it, is destroyed.
void Console::Timer_Phase1_Enemy_Attacking_HitTimer() {
  const ElementId sprite = EnemySprite[HitCol][HitRow];
  const bool odd = HitStep % 2 == 1;
  if (HitRow >= 7)  // no alternative pictures up there: the cell itself blinks
    board.show(sprite, !odd);
  else
    board.set_picture_from(sprite, odd ? EnemyLook[HitCol][HitRow].Body : EnemyLook[HitCol][HitRow].Wings);

  if (HitStep == 1) {
    aFire[HitCol][HitRow] -= 2;  // the shot is used up
    if (aFire[HitCol][HitRow] == 0) board.show(FireSprite[HitCol][HitRow], false);
  } else if (HitStep == 7) {
    std::int32_t& cell = aEnemy[HitCol][HitRow];
    int gained = 0, destroyed = 0;
    if (holds_row_enemy(cell)) {  // the row enemy takes the shot; the attacker lives on
      cell -= 1;
      gained = row_enemy_points(HitRow);
    } else {
      for (int i = 1; i <= attacker_slots_in_use(); ++i) {
        AttackerSlot& a = Attacker[i];
        if (a.Col != HitCol || a.Row != HitRow) continue;
        cell -= 2 * i;
        gained += a.Points;
        a.Col = a.Row = a.Pattern = 0;
        ++destroyed;
      }
    }
    EnemiesLeft -= destroyed;
    Score += gained;
    Vid_Display_Panel_Score(Score, true);
    Snd_Play(Effect::Hit);
    board.show(sprite, false);
    if (EnemiesLeft < 1) start_completion(*this, TimerId::Timer_Phase1_Complete);  // the tenth attacker
  } else if (HitStep == 8) {
    if (HitRow <= 6) board.set_picture_from(sprite, EnemyLook[HitCol][HitRow].Whole);
    resume_play(*this, TimerId::Timer_Phase1_Enemy_Attacking_Hit);
  }
  ++HitStep;
}

// After a lost ship, or at a new round: the ship and the lives left, a blank
// screen with the start tune, then the rows, the mothership and the attackers.
void Console::Timer_Phase1_RepriseTimer() {
  fleet_reprise_step(*this, TimerId::Timer_Phase1_Reprise, TimerId::Timer_Phase1_Enemy_Attacking,
                     [](Console& k) { k.start_fleet_rows(); });
}

// The tenth attacker is down: the screen goes blank with the phase tune, then
// phase 2 begins with the ship where it was.
void Console::Timer_Phase1_CompleteTimer() {
  fleet_completion_step(*this, TimerId::Timer_Phase1_Complete, 2, 10, [](Console& k) {
    k.free_attacker_slots();
    k.start_timer(TimerId::Timer_Phase2_Enemy_Attacking, k.skill_interval() - 50);
  });
}

}  // namespace vx
