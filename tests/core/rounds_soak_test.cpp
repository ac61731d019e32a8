// Several rounds of phases 2, 3 and 4 played by the aiming auto-player on the
// virtual clock, at every skill level: no grid index or counter ever leaves its
// range, the score never falls, and every round reaches the hand-over to phase 1.
// The next round's phase 1 has its own tests; here each round restarts at the
// phase-2 reprise.
#include <gtest/gtest.h>

#include <string>

#include "autoplay.h"
#include "game/console_state.h"

namespace vx {
namespace {

// What must hold between any two handlers; empty when all is well.
std::string broken_invariant(const Console& k, std::int32_t last_score) {
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= kRows; ++r)
      if (k.aEnemy[c][r] < 0 || k.aEnemy[c][r] > 7) return "aEnemy out of range";
    for (int r = 2; r <= kRows; ++r)
      if (k.aFire[c][r] < 0 || k.aFire[c][r] > 3) return "aFire out of range";
  }
  for (int i = 1; i <= 2; ++i) {
    const auto& a = k.Attacker[i];
    if (a.Col < 0 || a.Col > 5 || a.Row < 0 || a.Row > 8 || (a.Col == 0) != (a.Row == 0)) return "attacker off grid";
    if (a.Col != 0 && (a.Pattern < 1 || a.Pattern > 8)) return "attacker heading";
  }
  if (k.ShipCol < 1 || k.ShipCol > 5) return "ShipCol";
  if (k.Lives < 0 || k.Lives > 5) return "Lives";
  if (k.Score < last_score) return "score fell";
  if (k.Phase == 4 && (k.ShuttleRow < 1 || k.ShuttleRow > 6 || k.DockCol < 1 || k.DockCol > 5 || k.DockCountdown < 0 ||
                       k.DockCountdown > 999))
    return "phase-4 state";
  if (k.Step < 0 || k.Step > 12 || k.HitStep < 0 || k.HitStep > 12) return "sequence step";
  return {};
}

void start_phase2_reprise(Console& k) {
  k.Gam_Stop_All_Timers();
  k.Phase = 2;
  k.EnemiesLeft = 10;
  k.Step = 1;
  k.start_timer(TimerId::Timer_Phase2_Reprise, 1);
}

struct SoakResult {
  int rounds = 0;
  bool saw_phase[5] = {};
  std::string fault;
};

SoakResult soak(int skill, unsigned seed, int rounds_wanted) {
  Console k;
  k.FormCreate();
  k.random.seed(seed);
  k.GameMode = 3;
  k.Skill = skill;
  k.Lives = 5;
  k.ShipCol = 3;
  k.Gam_Phase123_Set_Sprites();
  k.timers.SetInterval(TimerId::Timer_Phase123_Enemy_Fire, 250);
  start_phase2_reprise(k);

  SoakResult res;
  std::int32_t last_score = 0;
  k.timers.set_trace([&](TimerId id, std::int64_t, std::int64_t now) {
    if (!res.fault.empty()) return;
    const std::string f = broken_invariant(k, last_score);
    if (!f.empty()) res.fault = f + " before " + std::string(timer_name(id)) + " at " + std::to_string(now);
    last_score = k.Score;
  });
  AutoPlayer player(k, seed);
  player.power_cuts = false;  // it keeps the lives topped up
  // Two virtual hours at most; a round takes a few minutes.
  for (int moment = 0; moment < 72000 && res.rounds < rounds_wanted && res.fault.empty(); ++moment) {
    res.saw_phase[k.Phase >= 1 && k.Phase <= 4 ? k.Phase : 0] = true;
    player.play_a_moment();
    k.timers.advance(100);
    if (k.Phase == 1 && k.timers.Enabled(TimerId::Timer_Phase1_Reprise)) {
      ++res.rounds;
      start_phase2_reprise(k);
    }
  }
  return res;
}

TEST(RoundsSoak, ScriptedPlayerStaysInsideEveryGridAtEverySkill) {
  for (int skill = 1; skill <= 4; ++skill)
    for (unsigned seed : {7u, 1234u}) {
      SCOPED_TRACE(testing::Message() << "skill " << skill << " seed " << seed);
      const SoakResult r = soak(skill, seed, 3);
      EXPECT_EQ(r.fault, "");
      EXPECT_EQ(r.rounds, 3);
      EXPECT_TRUE(r.saw_phase[2] && r.saw_phase[3] && r.saw_phase[4]);
    }
}

}  // namespace
}  // namespace vx
