// The demonstration: the power-on jingle, then the scripted attacker over the
// scrolling rows, looping for ever.
#include "game/console_state.h"
#include "game/demo_script.h"

namespace vx {
namespace {
constexpr DemoStep at(int col, int row) { return {col, row, false}; }
constexpr DemoStep fires(int col, int row) { return {col, row, true}; }
}  // namespace

// clang-format off
const std::array<DemoStep, kDemoSteps + 1> kDemoScript{{
    {},
    // Steps 1 to 26, played once.
    at(4, 6), at(3, 6), at(4, 6), at(5, 6), fires(5, 5), fires(4, 5), at(5, 5), at(4, 5),           // 1..8
    fires(3, 5), at(3, 4), at(3, 3), at(2, 3), fires(3, 3), at(2, 3), at(1, 3), at(2, 3),           // 9..16
    at(2, 2), at(2, 1), at(1, 1), at(3, 7), at(4, 6), at(5, 5), at(4, 4), fires(5, 3),              // 17..24
    at(4, 2), at(3, 1),                                                                             // 25..26
    // Steps 27 to 95, repeated.
    at(2, 6), at(1, 6), at(2, 7), at(3, 8), at(4, 8), at(5, 7), at(5, 6), at(4, 6),                 // 27..34
    at(3, 7), at(3, 8), fires(4, 7), at(5, 7), at(4, 6), at(3, 5), at(2, 5), at(1, 6),              // 35..42
    at(1, 7), at(2, 7), at(3, 7), at(3, 6), at(2, 6), fires(1, 7), at(2, 7), at(3, 7),              // 43..50
    fires(3, 6), at(3, 5), fires(2, 5), at(3, 4), at(3, 3), at(2, 3), at(1, 4), fires(1, 5),        // 51..58
    fires(2, 6), at(3, 5), fires(3, 4), at(2, 4), at(1, 5), at(2, 4), at(1, 5), at(1, 6),           // 59..66
    at(2, 7), fires(3, 6), at(3, 5), fires(2, 5), at(1, 6), at(1, 7), at(2, 8), at(2, 7),           // 67..74
    fires(1, 8), at(2, 8), at(3, 7), at(4, 7), at(5, 6), at(5, 5), at(4, 5), at(3, 6),              // 75..82
    at(3, 7), at(4, 8), at(5, 8), at(5, 7), at(4, 6), at(3, 5), at(2, 5), at(1, 6),                 // 83..90
    at(2, 7), at(3, 8), at(4, 7), at(3, 6), fires(2, 6),                                            // 91..95
}};
// clang-format on

// Part one of the set-up, 800 ms before part two: one enemy in each scrolling row
// and the two row timers.
void Console::demo_set_up_rows() {
  EnemiesLeft = 10;
  board.show(EnemySprite[5][8], true);
  aEnemy[5][8] = 1;
  start_timer(TimerId::Timer_Phase1_Enemy_Row8, 200);
  board.show(EnemySprite[1][7], true);
  aEnemy[1][7] = 1;
  start_timer(TimerId::Timer_Phase1_Enemy_Row7, 350);
}

// Part two: the three top-row enemies and the script from its first step.
void Console::demo_set_up_script() {
  light_mothership_row();
  Step = 0;
  start_timer(TimerId::Timer_Demo_2, skill_interval());
}

void Console::demo_lead_in(TimerId self, Effect sound, int wait_ms, void (*panel)(Console&)) {
  switch (Step) {
    case 1:
      Snd_Play(sound);
      set_interval(self, wait_ms);
      break;
    case 2:
      panel(*this);
      demo_set_up_rows();
      set_interval(self, 800);
      break;
    case 3:
      demo_set_up_script();
      enable(self, false);
      break;
    default:
      break;
  }
  ++Step;
}

// The power-on jingle, then skill 1 on the panel and the demonstration.
void Console::Timer_Demo_1Timer() {
  demo_lead_in(TimerId::Timer_Demo_1, Effect::Gameon, 3300, [](Console& k) {
    k.Skill = 1;
    k.Vid_Display_Panel_Skill(k.Skill, true);
    k.GameMode = 2;  // SELECT and START count from now on
  });
}

// One step of the script. The pace follows the skill chosen at this moment: its
// interval for the first pass, 80 ms less in the loop.
void Console::Timer_Demo_2Timer() {
  set_interval(TimerId::Timer_Demo_2, Step < kDemoLoopStart ? skill_interval() : skill_interval() - 80);
  // The attacker leaves its last cell; a row enemy it stood on in rows 7 and 8 stays.
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= 6; ++r) aEnemy[c][r] = 0;
    for (int r = 7; r <= 8; ++r)
      if (aEnemy[c][r] >= 2) aEnemy[c][r] -= 2;
  }
  if (Step >= 1 && Step <= kDemoSteps) {
    const DemoStep& s = kDemoScript[Step];
    aEnemy[s.col][s.row] = 2;  // over whatever stood there
    if (s.shot) {
      aFire[s.col][s.row] = 1;
      board.show(FireSprite[s.col][s.row], true);
      if (Step == 5) set_interval(TimerId::Timer_Phase123_Enemy_Fire, 150);
      enable(TimerId::Timer_Phase123_Enemy_Fire);
    }
  }
  if (Step == kDemoSteps) Step = kDemoLoopStart - 1;
  // Rows 7 and 8 are redrawn by their own timers.
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= 6; ++r) board.show(EnemySprite[c][r], aEnemy[c][r] != 0);
  Snd_Play(Effect::Tick);
  ++Step;
}

}  // namespace vx
