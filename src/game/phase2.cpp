// Phase 2: attackers that swirl by their headings, their hits, the reprise and
// the completion into phase 3.
#include "game/console_state.h"
#include "game/phase2_moves.h"
#include "game/round_steps.h"

namespace vx {
namespace {

constexpr int kAttackerPoints = 70;

int phase2_interval(const Console& k) { return k.skill_interval() - 50; }

// Blinking of a hit cell: rows 7 and 8 have no alternative pictures, so the
// sprite itself blinks there; in rows 1 to 6 body and wings alternate.
void blink_hit_cell(Console& k, bool odd_step) {
  const ElementId cell = k.EnemySprite[k.HitCol][k.HitRow];
  if (k.HitRow >= 7)
    k.board.show(cell, !odd_step);
  else
    k.board.set_picture_from(cell,
                             odd_step ? k.EnemyLook[k.HitCol][k.HitRow].Body : k.EnemyLook[k.HitCol][k.HitRow].Wings);
}

}  // namespace

// Every SkillInterval - 50 ms: each attacker turns, moves one step by its
// heading, may drop a shot, and may land on the ship.
void Console::Timer_Phase2_Enemy_AttackingTimer() {
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= kRows; ++r)
      if (aEnemy[c][r] < 0) {
        aEnemy[c][r] = 0;
        board.show(EnemySprite[c][r], false);
      }

  for (int i = 1; i <= attacker_slots_in_use(); ++i) {
    AttackerSlot& a = Attacker[i];
    if (a.Col == 0 && a.Row == 0) {  // free: a new attacker enters with any heading
      a.Pattern = random(8) + 1;
      a.Points = kAttackerPoints;
      a.Col = random(5) + 1;
      a.Row = random(2) + 7;
      aEnemy[a.Col][a.Row] += 2 * i;
      board.show(EnemySprite[a.Col][a.Row], true);
      continue;
    }
    // Nine times in ten keep the heading or turn one step clockwise; otherwise
    // turn round, or round and one step further.
    if (random(10) != 0)
      a.Pattern += random(2);
    else
      a.Pattern += random(2) + 4;
    if (a.Pattern > 8) a.Pattern -= 8;

    aEnemy[a.Col][a.Row] -= 2 * i;
    if (aEnemy[a.Col][a.Row] == 0) board.show(EnemySprite[a.Col][a.Row], false);

    const AttackerPlace next = phase2_move({a.Col, a.Row, a.Pattern});
    a.Col = next.col;
    a.Row = next.row;
    a.Pattern = next.pattern;
    if (a.Row < 1) {  // gone below the ship's row; a new one enters next tick
      a.Col = a.Row = a.Pattern = 0;
      continue;
    }
    aEnemy[a.Col][a.Row] += 2 * i;
    board.show(EnemySprite[a.Col][a.Row], true);
    if (a.Row > 1 && random(6) == 0) drop_enemy_shot(a.Col, a.Row);
    if (a.Row == 1 && a.Col == ShipCol) Gam_Phase123_Miss();  // landed on the ship
    Gam_Phase123_Check_Collision();
  }
  Snd_Play(Effect::Tick);
}

// The hit attacker blinks for six steps of 100 ms, dies at the seventh (70
// points each; two sharing the cell both go) and play resumes at the eighth.
void Console::Timer_Phase2_Enemy_Attacking_HitTimer() {
  constexpr TimerId self = TimerId::Timer_Phase2_Enemy_Attacking_Hit;
  if (HitStep >= 1 && HitStep <= 6) blink_hit_cell(*this, HitStep % 2 == 1);
  switch (HitStep) {
    case 1:
      aFire[HitCol][HitRow] -= 2;  // the shot is used up
      if (aFire[HitCol][HitRow] == 0) board.show(FireSprite[HitCol][HitRow], false);
      break;
    case 7: {
      int gained = 0, destroyed = 0;
      for (int i = 1; i <= attacker_slots_in_use(); ++i) {
        AttackerSlot& a = Attacker[i];
        if (a.Col != HitCol || a.Row != HitRow) continue;
        aEnemy[HitCol][HitRow] -= 2 * i;
        a.Col = a.Row = a.Pattern = 0;
        gained += kAttackerPoints;
        ++destroyed;
      }
      EnemiesLeft -= destroyed;
      Score += gained;
      Vid_Display_Panel_Score(Score, true);
      Snd_Play(Effect::Hit);
      board.show(EnemySprite[HitCol][HitRow], false);
      if (EnemiesLeft < 1) start_completion(*this, TimerId::Timer_Phase2_Complete);
      break;
    }
    case 8:
      if (HitRow >= 1 && HitRow <= 6)
        board.set_picture_from(EnemySprite[HitCol][HitRow], EnemyLook[HitCol][HitRow].Whole);
      resume_after_hit(*this, TimerId::Timer_Phase2_Enemy_Attacking, self);
      break;
    default:
      break;
  }
  ++HitStep;
}

// After a lost ship: the lives, a blank screen with the start tune, then the
// ship and the score with control back, the mothership, and the attackers.
void Console::Timer_Phase2_RepriseTimer() {
  fleet_reprise_step(*this, TimerId::Timer_Phase2_Reprise, TimerId::Timer_Phase2_Enemy_Attacking,
                     [](Console& k) { k.set_interval(TimerId::Timer_Phase2_Enemy_Attacking, phase2_interval(k)); });
}

// 200 ms after the tenth kill the screen goes blank with the phase tune; 1800 ms
// later phase 3 begins with the mothership in columns 2 to 4.
void Console::Timer_Phase2_CompleteTimer() {
  fleet_completion_step(*this, TimerId::Timer_Phase2_Complete, 3, 3,
                        [](Console& k) { k.start_timer(TimerId::Timer_Phase3_Mothership, k.skill_interval()); });
}

}  // namespace vx
