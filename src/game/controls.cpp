// The six controls: key and button input, the move rate limit, and the game
// start and game over sequences.
#include "game/console_state.h"

namespace vx {

// The 44 assignable keys: display name and Windows virtual-key code.
const std::array<KeyNameEntry, 45> KeyName = [] {
  static const char* const kDigits[10] = {"'0'", "'1'", "'2'", "'3'", "'4'", "'5'", "'6'", "'7'", "'8'", "'9'"};
  static const char* const kLetters[26] = {"'A'", "'B'", "'C'", "'D'", "'E'", "'F'", "'G'", "'H'", "'I'",
                                           "'J'", "'K'", "'L'", "'M'", "'N'", "'O'", "'P'", "'Q'", "'R'",
                                           "'S'", "'T'", "'U'", "'V'", "'W'", "'X'", "'Y'", "'Z'"};
  std::array<KeyNameEntry, 45> t{};
  for (int i = 0; i < 10; ++i) t[1 + i] = {kDigits[i], static_cast<std::uint16_t>(48 + i)};
  for (int i = 0; i < 26; ++i) t[11 + i] = {kLetters[i], static_cast<std::uint16_t>(65 + i)};
  t[37] = {"'up arrow' key", 38};
  t[38] = {"'down arrow' key", 40};
  t[39] = {"'left arrow' key", 37};
  t[40] = {"'right arrow' key", 39};
  t[41] = {"'alt' key", 18};
  t[42] = {"'ctrl' key", 17};
  t[43] = {"'shift' key", 16};
  t[44] = {"'spacebar'", 32};
  return t;
}();

void Console::assign_keys(const std::array<int, 7>& key_index) {
  for (int a = ActPower; a <= ActFire; ++a) {
    // A key index from outside the table takes the action's default: the name
    // table has no entry for it and a hint must never read outside the table.
    const int idx = key_index[a] >= 1 && key_index[a] <= 44 ? key_index[a] : kDefaultKeyIndex[a];
    KeyAssign[a].KeyIndex = idx;
    KeyAssign[a].VirtualKey = KeyName[idx].code;
  }
  set_button_hints();
}

namespace {
std::string key_name(const Console& k, int action) {
  const int idx = k.KeyAssign[action].KeyIndex;
  return std::string(KeyName[idx >= 1 && idx <= 44 ? idx : kDefaultKeyIndex[action]].name);
}
std::string power_hint(const Console& k) {
  return "click or press " + key_name(k, ActPower) + " " +
         (k.GameMode == 0 ? "to turn on the game" : "to turn off the game");
}
}  // namespace

void Console::set_button_hints() {
  board.set_hint(btn_power_top, power_hint(*this));
  board.set_hint(btn_select_top, "click or press " + key_name(*this, ActSelect) + " to select game");
  board.set_hint(btn_start_top, "click or press " + key_name(*this, ActStart) + " to start game");
  board.set_hint(btn_joystick_top, "activate the controller overlays or use " + key_name(*this, ActLeft) + ", " +
                                       key_name(*this, ActRight));
  board.set_hint(btn_fire_top, "click or press " + key_name(*this, ActFire));
  board.set_hint(btn_ctrlr_overlay_left, "click or press " + key_name(*this, ActLeft));
  board.set_hint(btn_ctrlr_overlay_right, "click or press " + key_name(*this, ActRight));
}

namespace {
// The first action, in the order power, select, start, left, right, fire, whose
// assigned key is `key_code`; 0 for none.
int action_of_key(const Console& k, int key_code, int first_action) {
  if (key_code == 0) return 0;
  for (int a = first_action; a <= ActFire; ++a)
    if (k.KeyAssign[a].VirtualKey == key_code) return a;
  return 0;
}
}  // namespace

void Console::FormKeyDown(int key_code) {
  if (const int a = action_of_key(*this, key_code, ActPower)) run_action(static_cast<Action>(a), true);
}

// Power has no release action.
void Console::FormKeyUp(int key_code) {
  if (const int a = action_of_key(*this, key_code, ActSelect)) run_action(static_cast<Action>(a), false);
}

void Console::run_action(Action action, bool down) {
  using Op = void (Console::*)();
  struct Ops {
    Op press, release;
  };
  struct Release {  // an action's release operation, or none
    static constexpr Op of() { return nullptr; }
    static constexpr Op of(Op op) { return op; }
  };
  static constexpr Ops kOps[kActionCount + 1] = {
      {nullptr, nullptr},
#define VX_ACTION_OPS(id, name, key, press, ...) {&Console::press, Release::of(__VA_OPT__(&Console::__VA_ARGS__))},
      VX_ACTIONS(VX_ACTION_OPS)
#undef VX_ACTION_OPS
  };
  if (action < ActPower || action > kActionCount) return;
  const Op op = down ? kOps[action].press : kOps[action].release;
  if (op) (this->*op)();
}

void Console::inp_power_down() {
  const bool on = GameMode == 0;
  board.show(btn_power_on, on);
  board.show(im_background_screen_on, on);
  GameMode = on ? 1 : 0;
  Gam_Set_Mode();
  board.set_hint(btn_power_top, power_hint(*this));
}

void Console::inp_select_down() {
  board.show(btn_select_down, true);
  if (GameMode != 2) return;
  Snd_Play(Effect::SelecBtn);
  if (++Skill == 5) Skill = 1;
  Vid_Display_Panel_Skill(Skill, true);
}

void Console::inp_select_up() { board.show(btn_select_down, false); }

void Console::inp_start_down() {
  board.show(btn_start_down, true);
  if (GameMode != 2) return;
  GameMode = 3;
  Gam_Set_Mode();
}

void Console::inp_start_up() { board.show(btn_start_down, false); }

namespace {
// Left (-1) or right (+1) pressed.
void move_down(Console& k, int dir) {
  if (!k.JoystickHeld) {
    k.JoystickHeld = true;
    k.board.set_picture_from(btn_joystick_placeholder, dir < 0 ? btn_joystick_left : btn_joystick_right);
  }
  if (!k.ControlsReady) return;
  if (k.Phase <= 3) {
    if (dir < 0 ? k.ShipCol > 1 : k.ShipCol < 5) {
      k.Vid_Display_Ship(false);
      k.ShipCol += dir;
      k.Vid_Display_Ship(true);
      k.ControlsReady = false;
      k.enable(TimerId::Timer_Keypress, false);
      k.enable(TimerId::Timer_Keypress, true);
    }
    k.ship_collision_test();
  } else if (k.Phase == 4) {
    if (dir < 0)
      k.phase4_left_down();
    else
      k.phase4_right_down();
  }
}

void move_up(Console& k) {
  k.JoystickHeld = false;
  k.board.clear_picture(btn_joystick_placeholder);
}
}  // namespace

void Console::inp_left_down() { move_down(*this, -1); }
void Console::inp_right_down() { move_down(*this, +1); }
void Console::inp_left_up() { move_up(*this); }
void Console::inp_right_up() { move_up(*this); }

void Console::inp_fire_down() {
  if (!FireHeld) {
    FireHeld = true;
    board.show(btn_fire_down, true);
  }
  if (!ControlsReady) return;
  if (Phase <= 3) {
    if (ShotInFlight) return;  // one shot at a time; the press is not remembered
    ShotCol = ShipCol;
    aFire[ShotCol][2] += 2;
    board.show(FireSprite[ShotCol][2], true);
    Snd_Play(Effect::Fire);
    ShotInFlight = true;
    start_timer(TimerId::Timer_Phase123_Player_Fire, 80);
    Gam_Phase123_Check_Collision();  // a target already in row 2 is hit at once
  } else if (Phase == 4) {
    phase4_fire_down();
  }
}

void Console::inp_fire_up() {
  FireHeld = false;
  board.show(btn_fire_down, false);
  if (Phase == 4 && timers.Enabled(TimerId::Timer_Phase4_Dock)) phase4_fire_up();
}

void Console::Timer_KeypressTimer() {
  ControlsReady = true;
  enable(TimerId::Timer_Keypress, false);
}

void Console::Timer_Game_StartTimer() {
  constexpr TimerId self = TimerId::Timer_Game_Start;
  switch (Step) {
    case 1:
      Snd_Play(Effect::StartBtn);
      set_interval(self, 100);
      break;
    case 2:
      Lives = 5;
      Vid_Display_Panel_Lives(Lives, true);
      ShipCol = 3;
      Vid_Display_Ship(true);
      set_interval(self, 1450);
      break;
    case 3:
      Vid_Display_All_Sprites(false);
      Snd_Play(Effect::Start);
      set_interval(self, 1650);
      break;
    case 4:
      Phase = 1;
      EnemiesLeft = 10;
      set_interval(TimerId::Timer_Keypress, 300);
      Score = 0;
      Vid_Display_Panel_Score(Score, true);
      ShipCol = 3;
      Vid_Display_Ship(true);
      ControlsReady = true;
      free_attacker_slots();
      set_interval(TimerId::Timer_Phase123_Enemy_Fire, 250);
      start_fleet_rows();
      set_interval(self, 800);
      break;
    case 5:
      light_mothership_row();
      break;
    case 6:
      enable(TimerId::Timer_Phase1_Enemy_Attacking);
      enable(self, false);
      break;
    default:
      break;
  }
  ++Step;
}

// The game over sound, then the demonstration with the final score on the panel.
void Console::Timer_Game_OverTimer() {
  demo_lead_in(TimerId::Timer_Game_Over, Effect::Gameover, 5800, [](Console& k) {
    k.GameMode = 2;
    k.Gam_Set_Mode();
    k.Vid_Display_Panel_Score(k.Score, true);
  });
}

}  // namespace vx
