// The six assignable keys: the key table, the hints built from it, and key events
// reaching the actions by key code.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/console_state.h"

namespace vx {
namespace {

struct Keys : testing::Test {
  Console k;
  void SetUp() override {
    k.FormCreate();
    k.assign_keys(kDefaultKeyIndex);
  }
  std::string hint(ElementId id) const { return k.board[id].hint; }
  bool lit(ElementId id) const { return k.board[id].visible; }
};

TEST_F(Keys, EveryKeyHasItsOwnNameAndCodeAndTheNameMapsBack) {
  std::set<std::string_view> names;
  std::set<int> codes;
  for (int i = 1; i <= 44; ++i) {
    EXPECT_TRUE(names.insert(KeyName[i].name).second) << "two keys named " << KeyName[i].name;
    EXPECT_TRUE(codes.insert(KeyName[i].code).second) << "two keys with code " << KeyName[i].code;
    // A digit or letter key is named by its character, which is its code.
    const int code = KeyName[i].code;
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
      EXPECT_EQ(KeyName[i].name, std::string("'") + static_cast<char>(code) + "'");
    }
    // Assigned to fire, the key is the one the hint names and the one that fires.
    std::array<int, kActionCount + 1> keys = kDefaultKeyIndex;
    keys[ActFire] = i;
    k.assign_keys(keys);
    EXPECT_EQ(k.KeyAssign[ActFire].VirtualKey, code);
    EXPECT_EQ(hint(btn_fire_top), "click or press " + std::string(KeyName[i].name));
  }
  EXPECT_EQ(names.size(), 44u);
  EXPECT_EQ(codes.count(0), 0u);
}

TEST_F(Keys, DefaultsAreOneTwoThreeArrowsAndCtrl) {
  EXPECT_EQ(k.KeyAssign[ActPower].VirtualKey, '1');
  EXPECT_EQ(k.KeyAssign[ActSelect].VirtualKey, '2');
  EXPECT_EQ(k.KeyAssign[ActStart].VirtualKey, '3');
  EXPECT_EQ(k.KeyAssign[ActLeft].VirtualKey, 37);
  EXPECT_EQ(k.KeyAssign[ActRight].VirtualKey, 39);
  EXPECT_EQ(k.KeyAssign[ActFire].VirtualKey, 17);
}

TEST_F(Keys, HintsNameTheAssignedKeys) {
  EXPECT_EQ(hint(btn_power_top), "click or press '1' to turn on the game");
  EXPECT_EQ(hint(btn_select_top), "click or press '2' to select game");
  EXPECT_EQ(hint(btn_start_top), "click or press '3' to start game");
  EXPECT_EQ(hint(btn_joystick_top), "activate the controller overlays or use 'left arrow' key, 'right arrow' key");
  EXPECT_EQ(hint(btn_fire_top), "click or press 'ctrl' key");
  EXPECT_EQ(hint(btn_ctrlr_overlay_left), "click or press 'left arrow' key");
  EXPECT_EQ(hint(btn_ctrlr_overlay_right), "click or press 'right arrow' key");

  k.assign_keys({0, 44, 11, 12, 13, 14, 43});
  EXPECT_EQ(hint(btn_power_top), "click or press 'spacebar' to turn on the game");
  EXPECT_EQ(hint(btn_joystick_top), "activate the controller overlays or use 'C', 'D'");
  EXPECT_EQ(hint(btn_fire_top), "click or press 'shift' key");
}

TEST_F(Keys, PowerHintFollowsTheMode) {
  k.FormKeyDown('1');
  EXPECT_EQ(k.GameMode, 1);
  EXPECT_EQ(hint(btn_power_top), "click or press '1' to turn off the game");
  k.FormKeyDown('1');
  EXPECT_EQ(k.GameMode, 0);
  EXPECT_EQ(hint(btn_power_top), "click or press '1' to turn on the game");
}

TEST_F(Keys, AKeyIndexOutsideTheTableTakesTheActionsDefault) {
  k.assign_keys({0, 0, 45, -3, 39, 1000, 42});
  EXPECT_EQ(k.KeyAssign[ActPower].KeyIndex, 2);
  EXPECT_EQ(k.KeyAssign[ActSelect].KeyIndex, 3);
  EXPECT_EQ(k.KeyAssign[ActStart].KeyIndex, 4);
  EXPECT_EQ(k.KeyAssign[ActRight].KeyIndex, 40);
  EXPECT_EQ(k.KeyAssign[ActRight].VirtualKey, 39);
  EXPECT_EQ(hint(btn_select_top), "click or press '2' to select game");
  EXPECT_EQ(hint(btn_start_top), "click or press '3' to start game");
}

TEST_F(Keys, KeyEventsRunTheActionOfTheirKey) {
  k.FormKeyDown('2');  // select while off: the button only
  EXPECT_TRUE(lit(btn_select_down));
  EXPECT_EQ(k.Skill, 0);
  k.FormKeyUp('2');
  EXPECT_FALSE(lit(btn_select_down));

  k.FormKeyDown(17);
  EXPECT_TRUE(lit(btn_fire_down));
  k.FormKeyUp(17);
  EXPECT_FALSE(lit(btn_fire_down));

  k.FormKeyDown(37);
  EXPECT_EQ(k.board[btn_joystick_placeholder].source, btn_joystick_left);
  k.FormKeyDown(39);  // the other direction while one is held keeps the picture
  EXPECT_EQ(k.board[btn_joystick_placeholder].source, btn_joystick_left);
  k.FormKeyUp(39);
  EXPECT_EQ(k.board[btn_joystick_placeholder].source, -1);

  k.FormKeyDown('Z');  // not assigned
  k.FormKeyUp('1');    // power has no release
  EXPECT_EQ(k.GameMode, 0);
  EXPECT_FALSE(k.timers.next_due());
}

TEST_F(Keys, OneKeyForTwoActionsRunsOnlyTheFirst) {
  k.assign_keys({0, 2, 11, 4, 39, 40, 11});  // select and fire both on 'A'
  k.FormKeyDown('A');
  EXPECT_TRUE(lit(btn_select_down));
  EXPECT_FALSE(lit(btn_fire_down));
  k.FormKeyUp('A');
  EXPECT_FALSE(lit(btn_select_down));
}

}  // namespace
}  // namespace vx
