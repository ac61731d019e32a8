// Long stretches of virtual play by the aiming auto-player. Before every timer
// tick the playfield must be sound: cells, positions, counters and steps in
// range, the score never falling within a game, no enabled timer below 1 ms.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/console_state.h"
#include "support/autoplay.h"

namespace vx {
namespace {

// What must hold between any two handlers; empty when all is well.
std::string broken_invariant(const Console& k, std::int32_t last_score) {
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= kRows; ++r)
      if (k.aEnemy[c][r] < 0 || k.aEnemy[c][r] > 7) return "aEnemy out of 0..7";
    for (int r = 2; r <= kRows; ++r)
      if (k.aFire[c][r] < 0 || k.aFire[c][r] > 3) return "aFire out of 0..3";
  }
  for (int i = 1; i <= 2; ++i) {
    const auto& a = k.Attacker[i];
    if (a.Col < 0 || a.Col > 5 || a.Row < 0 || a.Row > 8 || (a.Col == 0) != (a.Row == 0)) return "attacker off grid";
    if (a.Col != 0 && (a.Pattern < 1 || a.Pattern > 8)) return "attacker pattern";
  }
  if (k.Lives < 0 || k.Lives > 5) return "Lives out of 0..5";
  if (k.GameMode == 3) {
    if (k.Phase >= 1 && (k.ShipCol < 1 || k.ShipCol > 5)) return "ShipCol out of 1..5";
    if (k.Score < last_score) return "score fell";
  }
  if (k.Phase == 4 && (k.ShuttleRow < 1 || k.ShuttleRow > 6 || k.DockCol < 1 || k.DockCol > 5 || k.DockCountdown < 0 ||
                       k.DockCountdown > 999))
    return "phase-4 state";
  if (k.Step < 0 || k.Step > 96 || k.HitStep < 0 || k.HitStep > 12) return "sequence step";
  for (int i = 0; i < kTimerCount; ++i) {
    const auto id = static_cast<TimerId>(i);
    if (k.timers.Enabled(id) && k.timers.Interval(id) < 1) return "enabled timer below 1 ms";
  }
  return {};
}

struct Soak {
  Console k;
  std::string fault;
  int rounds = 0;       // phase 4 handed back to phase 1
  int phases_seen = 0;  // a bit per phase

  explicit Soak(unsigned seed) {
    k.FormCreate();
    k.random.seed(seed);
    k.assign_keys(kDefaultKeyIndex);
    std::int32_t last_score = 0;
    int last_phase = 0;
    k.timers.set_trace([this, last_score, last_phase](TimerId id, std::int64_t, std::int64_t now) mutable {
      if (k.GameMode != 3 || k.timers.Enabled(TimerId::Timer_Game_Start)) last_score = 0;  // a new game
      if (fault.empty()) {
        const std::string f = broken_invariant(k, last_score);
        if (!f.empty()) fault = f + " before " + std::string(timer_name(id)) + " at t=" + std::to_string(now);
      }
      last_score = k.GameMode == 3 ? k.Score : 0;
      if (k.GameMode == 3 && k.Phase >= 1 && k.Phase <= 4) phases_seen |= 1 << k.Phase;
      if (last_phase == 4 && k.Phase == 1) ++rounds;
      last_phase = k.Phase;
    });
  }
};

TEST(Soak, WholeRoundsAtEverySkillStayInsideEveryGrid) {
  for (int skill = 1; skill <= 4; ++skill)
    for (unsigned seed : {7u, 1234u}) {
      SCOPED_TRACE(testing::Message() << "skill " << skill << " seed " << seed);
      Soak s(seed);
      s.k.inp_power_down();
      s.k.timers.advance(4200);  // the jingle and the demo's set-up
      while (s.k.Skill != skill) s.k.inp_select_down();
      AutoPlayer player(s.k, seed);
      player.power_cuts = false;  // lives are topped up: one endless game
      for (int minute = 0; minute < 120 && s.rounds < 3 && s.fault.empty(); ++minute) player.play_for(60 * 1000);
      EXPECT_EQ(s.fault, "");
      EXPECT_GE(s.rounds, 3);
      EXPECT_EQ(s.phases_seen, 0b11110);
      EXPECT_GE(s.k.Score, 3 * (10 * 40 + 10 * 70 + 3 * 100)) << "the least three rounds can score";
    }
}

TEST(Soak, PlayWithPowerCutsStaysSound) {
  // VORNIX_SOAK_MINUTES lengthens it (the sanitizer run in CI plays an hour).
  const char* env = std::getenv("VORNIX_SOAK_MINUTES");
  const long minutes = env ? std::strtol(env, nullptr, 10) : 10;
  Soak s(11);
  AutoPlayer player(s.k, 3);
  player.play_for(minutes * 60 * 1000);
  EXPECT_EQ(s.fault, "");
  EXPECT_GT(s.phases_seen & 0b10, 0);
}

}  // namespace
}  // namespace vx
