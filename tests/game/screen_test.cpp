// The emulated screen and panel: what a player reads on the panel for a value,
// and which cells light.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/console_state.h"

namespace vx {
namespace {

struct Screen : testing::Test {
  Console k;
  void SetUp() override {
    // Give every panel source a picture so positions can be told apart.
    for (int d = 0; d <= 9; ++d) k.board.set_picture(el_panel_number(d), std::make_shared<Picture>());
    for (ElementId id : {im_panel_letter_g, im_panel_letter_o, im_panel_letter_d})
      k.board.set_picture(id, std::make_shared<Picture>());
    k.FormCreate();
  }
  std::string panel() const {
    std::string s;
    for (int p = 1; p <= 4; ++p) {
      const Sprite& sp = k.board[k.PanelDigitPos[p]];
      if (!sp.picture)
        s += ' ';
      else if (sp.source == im_panel_letter_g)
        s += 'g';
      else if (sp.source == im_panel_letter_o)
        s += 'o';
      else if (sp.source == im_panel_letter_d)
        s += 'd';
      else
        s += static_cast<char>('0' + sp.source - im_panel_number_0);
    }
    return s;
  }
  std::string score(int v) {
    k.Vid_Display_Panel_Score(v, true);
    return panel();
  }
};

TEST_F(Screen, ScoreHasLeadingBlanksOnlyAndGoodAboveFourDigits) {
  EXPECT_EQ(score(0), "   0");
  EXPECT_EQ(score(7), "   7");
  EXPECT_EQ(score(10), "  10");
  EXPECT_EQ(score(999), " 999");
  EXPECT_EQ(score(1005), "1005");
  EXPECT_EQ(score(9999), "9999");
  EXPECT_EQ(score(10000), "good");
  EXPECT_EQ(score(123456), "good");
  EXPECT_EQ(score(412), " 412");
  k.Vid_Display_Panel_Score(k.Score = 55, false);
  EXPECT_EQ(panel(), "    ");
}

TEST_F(Screen, SkillAndLivesTakeOnePosition) {
  k.Skill = 2;
  k.Vid_Display_Panel_Score(1234, true);
  k.Vid_Display_Panel_Skill(k.Skill, true);
  EXPECT_EQ(panel(), "  2 ");
  k.Lives = 5;
  k.Vid_Display_Panel_Lives(k.Lives, true);
  EXPECT_EQ(panel(), "   5");
  k.Vid_Display_Panel_Lives(k.Lives, false);
  EXPECT_EQ(panel(), "    ");
}

TEST_F(Screen, AllSpritesOnAndOff) {
  k.board.show(btn_power_on, true);
  k.Vid_Display_All_Sprites(true);
  EXPECT_EQ(panel(), "8888");
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 9; ++r) EXPECT_TRUE(k.board[k.EnemySprite[c][r]].visible);
    for (int r = 2; r <= 9; ++r) EXPECT_TRUE(k.board[k.FireSprite[c][r]].visible);
    EXPECT_TRUE(k.board[k.ShipSprite[c]].visible);
  }
  k.Vid_Display_All_Sprites(false);
  EXPECT_EQ(panel(), "    ");
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(k.board[k.PanelDigitPos[p]].visible);
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 9; ++r) EXPECT_FALSE(k.board[k.EnemySprite[c][r]].visible);
    for (int r = 2; r <= 9; ++r) EXPECT_FALSE(k.board[k.FireSprite[c][r]].visible);
    EXPECT_FALSE(k.board[k.ShipSprite[c]].visible);
  }
  EXPECT_TRUE(k.board[btn_power_on].visible);  // buttons are not the screen's
}

TEST_F(Screen, ShipShuttleAndDockFollowTheVariablesAtTheCall) {
  k.ShipCol = 2;
  k.Vid_Display_Ship(true);
  k.ShipCol = 3;
  k.Vid_Display_Ship(true);  // not hidden first: both stay lit
  EXPECT_TRUE(k.board[el_ship(2)].visible);
  EXPECT_TRUE(k.board[el_ship(3)].visible);
  k.ShuttleRow = 6;
  k.Vid_Display_Shuttle(true);
  EXPECT_TRUE(k.board[el_enemy(3, 6)].visible);
  k.DockCol = 5;
  k.Vid_Display_Dock(true);
  EXPECT_TRUE(k.board[el_ship(5)].visible);
  k.Vid_Display_Dock(false);
  EXPECT_FALSE(k.board[el_ship(5)].visible);
}

TEST_F(Screen, ControllerOverlaysReplaceTheJoystick) {
  k.CtrlrOverlay = true;
  k.Vid_Display_Ctrl_Overlay();
  EXPECT_TRUE(k.board[btn_ctrlr_overlay_left].visible);
  EXPECT_TRUE(k.board[btn_ctrlr_overlay_right].visible);
  EXPECT_FALSE(k.board[btn_joystick_top].visible);
  k.CtrlrOverlay = false;
  k.Vid_Display_Ctrl_Overlay();
  EXPECT_FALSE(k.board[btn_ctrlr_overlay_left].visible);
  EXPECT_TRUE(k.board[btn_joystick_top].visible);
}

TEST(Elements, NamesFollowTheSkinNumbering) {
  auto name_of_image = [](int n) { return std::string(element_name(n - 1)); };
  EXPECT_EQ(name_of_image(1), "im_background");
  EXPECT_EQ(name_of_image(17), "btn_ctrlr_overlay_right");
  EXPECT_EQ(name_of_image(18), "im_panel_digit_pos_1");
  EXPECT_EQ(name_of_image(31), "im_panel_number_9");
  EXPECT_EQ(name_of_image(34), "im_panel_letter_d");
  EXPECT_EQ(name_of_image(35), "im_enemy_01_09");
  EXPECT_EQ(name_of_image(39), "im_enemy_05_09");
  EXPECT_EQ(name_of_image(40), "im_enemy_01_08");
  EXPECT_EQ(name_of_image(79), "im_enemy_05_01");
  EXPECT_EQ(name_of_image(80), "im_enemy_01_06_whole");
  EXPECT_EQ(name_of_image(85), "im_enemy_02_05_whole");
  EXPECT_EQ(name_of_image(92), "im_enemy_05_01_whole");
  EXPECT_EQ(name_of_image(93), "im_enemy_01_06_body");
  EXPECT_EQ(name_of_image(118), "im_enemy_05_01_wings");
  EXPECT_EQ(name_of_image(119), "im_fire_01_09");
  EXPECT_EQ(name_of_image(158), "im_fire_05_02");
  EXPECT_EQ(name_of_image(159), "im_ship_01_01");
  EXPECT_EQ(name_of_image(168), "im_ship_05_01_whole");
  EXPECT_EQ(name_of_image(173), "im_ship_05_01_dock");
  EXPECT_EQ(element_by_name("im_fire_03_07"), el_fire(3, 7));
  EXPECT_EQ(element_by_name("btn_game_menu_top"), btn_game_menu_top);
  EXPECT_FALSE(element_by_name("im_fire_03_01"));
  // Drawn transparently: 1, 2, 18..123, 159..173.
  for (int n = 1; n <= 173; ++n) {
    const bool want = n <= 2 || (n >= 18 && n <= 123) || n >= 159;
    EXPECT_EQ(element_transparent(n - 1), want) << n;
  }
}

}  // namespace
}  // namespace vx
