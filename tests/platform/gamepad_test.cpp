// Gamepads through SDL's virtual joysticks (no real pad needed): every pad
// control's action, the stick's dead zone, a held direction's repeat, pads
// plugged in and pulled out while the program runs, and input only while active.
#include "platform/gamepad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/virtual_pad.h"

namespace vx {
namespace {

using Events = std::vector<PadEvent>;
constexpr PadEvent down(Action a) { return {a, true}; }
constexpr PadEvent up(Action a) { return {a, false}; }

using test::VirtualPad;

struct Gamepad : testing::Test {
  Gamepads pads{PadRepeat{500, 33}, StickZone{13000, 8000}};
  std::int64_t t = 0;
  Events poll(std::int64_t ms = 1) { return pads.poll(t += ms); }
  void SetUp() override { ASSERT_TRUE(pads.start()); }
};

TEST_F(Gamepad, EveryButtonDrivesItsActionAndTheOthersNothing) {
  VirtualPad pad;
  ASSERT_TRUE(pad.plugged());
  EXPECT_EQ(poll(), Events{});
  EXPECT_EQ(pads.count(), 1);
  struct Case {
    SDL_GameControllerButton button;
    Action action;
  };
  const Case cases[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, ActLeft}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, ActRight},
      {SDL_CONTROLLER_BUTTON_A, ActFire},         {SDL_CONTROLLER_BUTTON_B, ActFire},
      {SDL_CONTROLLER_BUTTON_START, ActStart},    {SDL_CONTROLLER_BUTTON_BACK, ActSelect},
  };
  for (const Case& c : cases) {
    pad.button(c.button, true);
    EXPECT_EQ(poll(), Events{down(c.action)}) << SDL_GameControllerGetStringForButton(c.button);
    pad.button(c.button, false);
    EXPECT_EQ(poll(), Events{up(c.action)}) << SDL_GameControllerGetStringForButton(c.button);
  }
  for (auto b : {SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                 SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN}) {
    pad.button(b, true);
    EXPECT_EQ(poll(), Events{}) << SDL_GameControllerGetStringForButton(b);
    pad.button(b, false);
    EXPECT_EQ(poll(), Events{});
  }
  // Guide is power. SDL holds back a quick release of Guide for a quarter of a
  // second; power has no release action, so only the press matters.
  pad.button(SDL_CONTROLLER_BUTTON_GUIDE, true);
  EXPECT_EQ(poll(), Events{down(ActPower)});
}

TEST_F(Gamepad, APressAndReleaseBetweenTwoPollsAreBothDelivered) {
  VirtualPad pad;
  poll();
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  SDL_PumpEvents();  // SDL sees the press...
  pad.button(SDL_CONTROLLER_BUTTON_A, false);
  SDL_PumpEvents();  // ...and the release before the program looks
  EXPECT_EQ(poll(), (Events{down(ActFire), up(ActFire)}));
}

TEST_F(Gamepad, ButtonsSharingAnActionHoldItUntilTheLastIsLetGo) {
  VirtualPad pad;
  poll();
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(poll(), Events{down(ActFire)});
  pad.button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(poll(), Events{});
  pad.button(SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(poll(), Events{}) << "B still holds fire";
  pad.button(SDL_CONTROLLER_BUTTON_B, false);
  EXPECT_EQ(poll(), Events{up(ActFire)});
  // The d-pad and the stick share left in the same way.
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  pad.stick_x(-30000);
  EXPECT_EQ(poll(), Events{down(ActLeft)});
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  EXPECT_EQ(poll(), Events{});
  pad.stick_x(0);
  EXPECT_EQ(poll(), Events{up(ActLeft)});
}

TEST_F(Gamepad, TheStickHasADeadZoneAndDoesNotChatterAtItsEdge) {
  VirtualPad pad;
  poll();
  pad.stick_x(-12000);  // inside the dead zone: a resting or worn stick
  EXPECT_EQ(poll(), Events{});
  pad.stick_x(12000);
  EXPECT_EQ(poll(), Events{});
  pad.stick_x(-13000);
  EXPECT_EQ(poll(), Events{down(ActLeft)});
  pad.stick_x(-9000);  // eased back, still past the release line
  EXPECT_EQ(poll(), Events{});
  pad.stick_x(-7999);
  EXPECT_EQ(poll(), Events{up(ActLeft)});
  pad.stick_x(-12000);  // back out, but not far enough to press again
  EXPECT_EQ(poll(), Events{});
  pad.stick_x(32767);
  EXPECT_EQ(poll(), Events{down(ActRight)});
  pad.stick_x(-32768);  // flicked across: right ends before left begins
  EXPECT_EQ(poll(), (Events{up(ActRight), down(ActLeft)}));
  pad.stick_x(0);
  EXPECT_EQ(poll(), Events{up(ActLeft)});
}

TEST_F(Gamepad, AHeldDirectionRepeatsLikeAHeldKeyAndFireDoesNot) {
  VirtualPad pad;
  poll();
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  t = 1000;
  // SDL reports the buttons in its own order: A before the d-pad.
  EXPECT_EQ(pads.poll(t), (Events{down(ActFire), down(ActRight)}));
  EXPECT_EQ(pads.next_repeat(), 1500);
  EXPECT_EQ(pads.poll(1499), Events{});
  EXPECT_EQ(pads.poll(1500), Events{down(ActRight)}) << "the first repeat after the delay";
  EXPECT_EQ(pads.poll(1532), Events{});
  EXPECT_EQ(pads.poll(1533), Events{down(ActRight)});
  // A late poll sends one repeat, never a burst.
  EXPECT_EQ(pads.poll(2000), Events{down(ActRight)});
  EXPECT_EQ(pads.next_repeat(), 2033);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  EXPECT_EQ(pads.poll(2010), Events{up(ActRight)});
  EXPECT_FALSE(pads.next_repeat()) << "fire is still held but never repeats";
  EXPECT_EQ(pads.poll(5000), Events{});
}

TEST_F(Gamepad, PadsPluggedInLaterArePickedUpAndAPulledPadLetsGo) {
  EXPECT_EQ(poll(), Events{});
  EXPECT_EQ(pads.count(), 0);
  VirtualPad first;
  first.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  poll();
  EXPECT_EQ(pads.count(), 1);
  first.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  poll();
  first.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(poll(), Events{down(ActLeft)});

  VirtualPad second;
  poll();
  EXPECT_EQ(pads.count(), 2);
  second.button(SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_EQ(poll(), Events{down(ActStart)}) << "both pads drive the console";

  first.unplug();  // pulled out with left held: left is let go
  EXPECT_EQ(poll(), Events{up(ActLeft)});
  EXPECT_EQ(pads.count(), 1);
  second.button(SDL_CONTROLLER_BUTTON_START, false);
  EXPECT_EQ(poll(), Events{up(ActStart)});

  VirtualPad again;  // plugged back in
  poll();
  EXPECT_EQ(pads.count(), 2);
  again.button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(poll(), Events{down(ActFire)});
}

TEST_F(Gamepad, InputCountsOnlyWhileActive) {
  VirtualPad pad;
  poll();
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(poll(), Events{down(ActLeft)});
  // Another window comes forward: what is held is let go at once.
  EXPECT_EQ(pads.set_active(false, t), Events{up(ActLeft)});
  EXPECT_FALSE(pads.next_repeat());
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(poll(1000), Events{}) << "no repeat and no press while inactive";
  // Back: the controls still held count only once they are pressed anew.
  EXPECT_EQ(pads.set_active(true, t), Events{});
  EXPECT_EQ(poll(1000), Events{});
  pad.button(SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(poll(), Events{});
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(poll(), Events{down(ActFire)});
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  EXPECT_EQ(poll(), Events{});
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(poll(), Events{down(ActLeft)});
}

TEST(GamepadText, TheKeyFormLineNamesEveryControl) {
  EXPECT_EQ(pad_controls_text(), "d-pad or left stick left/right, A or B fire, Start start, Back select, Guide power");
}

}  // namespace
}  // namespace vx
