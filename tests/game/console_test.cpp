// The console's creation, modes and grids.
#include <gtest/gtest.h>

#include <string>

#include "game/console_state.h"

namespace vx {
namespace {

TEST(Console, CreatedOffWithEverythingAtZero) {
  Console k;
  k.FormCreate();
  EXPECT_EQ(k.GameMode, 0);
  EXPECT_EQ(k.Skill, 0);
  EXPECT_FALSE(k.timers.next_due());
  EXPECT_EQ(k.SkillInterval[1], 400);
  EXPECT_EQ(k.SkillInterval[2], 240);
  EXPECT_EQ(k.SkillInterval[3], 400);
  EXPECT_EQ(k.SkillInterval[4], 240);
  k.Debug_aEnemy();
  k.Debug_aFire();
  EXPECT_EQ(k.la_debug_aEnemy, "00000 00000 00000 00000 00000 00000 00000 00000 00000 ");
  EXPECT_EQ(k.la_debug_aFire, "00000 00000 00000 00000 00000 00000 00000 00000 ");
}

TEST(Console, LookTablesUseThePictureSetsOfTheirCells) {
  Console k;
  k.FormCreate();
  auto set_of = [&](int c, int r) {
    std::string n(element_name(k.EnemyLook[c][r].Whole));  // im_enemy_CC_RR_whole
    return n.substr(9, 5);
  };
  const char* want[7][6] = {{},
                            {"", "01_01", "02_01", "01_01", "02_01", "01_01"},
                            {"", "01_06", "02_06", "03_06", "04_06", "05_06"},
                            {"", "01_06", "02_05", "03_05", "04_05", "05_06"},
                            {"", "01_06", "02_06", "03_06", "04_06", "05_06"},
                            {"", "01_06", "02_05", "03_05", "04_05", "05_06"},
                            {"", "01_06", "02_06", "03_06", "04_06", "05_06"}};
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 5; ++c) {
      EXPECT_EQ(set_of(c, r), want[r][c]) << c << "," << r;
      const std::string cell = want[r][c];
      EXPECT_EQ(element_name(k.EnemyLook[c][r].Body), "im_enemy_" + cell + "_body");
      EXPECT_EQ(element_name(k.EnemyLook[c][r].Wings), "im_enemy_" + cell + "_wings");
    }
  EXPECT_EQ(element_name(k.ShipLook[4].Whole), "im_ship_04_01_whole");
  EXPECT_EQ(element_name(k.ShipLook[4].Dock), "im_ship_04_01_dock");
  EXPECT_EQ(element_name(k.EnemySprite[3][7]), "im_enemy_03_07");
  EXPECT_EQ(element_name(k.FireSprite[5][2]), "im_fire_05_02");
}

TEST(Console, ResetClearsGridsSlotsAndShotButNoSprite) {
  Console k;
  k.FormCreate();
  k.aEnemy[3][7] = 5;  // a row enemy and attacker 2
  k.aFire[2][4] = 3;   // both shots
  k.Attacker[1] = {2, 4, 1, 40};
  k.ShotInFlight = true;
  k.board.show(k.EnemySprite[3][7], true);
  k.Gam_Reset_Numeric_Arrays();
  k.Debug_aEnemy();
  EXPECT_EQ(k.la_debug_aEnemy, "00000 00000 00000 00000 00000 00000 00000 00000 00000 ");
  EXPECT_EQ(k.aFire[2][4], 0);
  EXPECT_EQ(k.Attacker[1].Col, 0);
  EXPECT_EQ(k.Attacker[1].Points, 40);  // points are kept
  EXPECT_FALSE(k.ShotInFlight);
  EXPECT_TRUE(k.board[k.EnemySprite[3][7]].visible);
}

TEST(Console, StopAllTimersLeavesIntervalsAndControls) {
  Console k;
  k.FormCreate();
  k.ControlsReady = true;
  k.timers.Start(TimerId::Timer_Keypress, 300);
  k.timers.Start(TimerId::Timer_Phase4_Dock, 16);
  k.Gam_Stop_All_Timers();
  EXPECT_FALSE(k.timers.next_due());
  EXPECT_EQ(k.timers.Interval(TimerId::Timer_Keypress), 300);
  EXPECT_TRUE(k.ControlsReady);
}

TEST(Console, ModeTwoChangesNothingOtherModesStopEverything) {
  Console k;
  k.FormCreate();
  k.GameMode = 2;
  k.ControlsReady = true;
  k.aEnemy[1][7] = 1;
  k.timers.Start(TimerId::Timer_Demo_2, 400);
  k.Gam_Set_Mode();
  EXPECT_TRUE(k.timers.Enabled(TimerId::Timer_Demo_2));
  EXPECT_EQ(k.aEnemy[1][7], 1);
  EXPECT_TRUE(k.ControlsReady);

  k.GameMode = 3;
  k.Gam_Set_Mode();
  EXPECT_FALSE(k.timers.Enabled(TimerId::Timer_Demo_2));
  EXPECT_TRUE(k.timers.Enabled(TimerId::Timer_Game_Start));
  EXPECT_EQ(k.timers.Interval(TimerId::Timer_Game_Start), 1);
  EXPECT_EQ(k.aEnemy[1][7], 0);
  EXPECT_TRUE(k.ControlsReady);  // mode 3 leaves it
  EXPECT_EQ(k.Step, 1);

  k.GameMode = 0;
  k.Gam_Set_Mode();
  EXPECT_FALSE(k.timers.next_due());
  EXPECT_FALSE(k.ControlsReady);
}

}  // namespace
}  // namespace vx
