// The console: the whole game state of the simulated console (playfield grids,
// counters, flags, sprite tables, the 29 timers) and every game, input, display and
// timer operation on it. Toolkit-free: the window owns one Console and forwards
// key, mouse and menu events through the console host; scripts drive one on the
// virtual clock.
//
// The operations are spread over one file per concern: console_state.cpp (modes,
// grids, timers), controls.cpp, shooting.cpp, phase1.cpp .. phase4.cpp, demo.cpp,
// and screen.cpp (the Vid_ operations). The console host (host/) owns one.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "game/actions.h"
#include "game/random.h"
#include "game/sound_sink.h"
#include "game/sprite_board.h"
#include "game/timers.h"

namespace vx {

inline constexpr int kCols = 5;
inline constexpr int kRows = 9;

// Windows virtual-key codes of the assignable keys, by key index 1..44.
struct KeyNameEntry {
  std::string_view name;
  std::uint16_t code;
};
extern const std::array<KeyNameEntry, 45> KeyName;  // [0] unused

class Console {
 public:
  Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // ---- Data model --------------------------------------------------------
  // Grids indexed [column 1..5][row 1..9]; index 0 unused. aFire uses rows 2..9.
  std::int32_t aEnemy[kCols + 1][kRows + 1]{};
  std::int32_t aFire[kCols + 1][kRows + 1]{};

  std::int32_t GameMode = 0, Skill = 0, Phase = 0, Lives = 0, EnemiesLeft = 0, Score = 0;
  std::int32_t ShipCol = 0, ShotCol = 0, HitCol = 0, HitRow = 0, Step = 0, HitStep = 0;
  bool ControlsReady = false, JoystickHeld = false, FireHeld = false, ShotInFlight = false, ThrustOn = false,
       CtrlrOverlay = false;
  // Phase 4.
  std::int32_t ShuttleRow = 0, DockCol = 0, DockCountdown = 0, DockTick = 0, FlameBlink = 0;

  struct AttackerSlot {
    std::int32_t Col = 0, Row = 0, Pattern = 0, Points = 0;
  };
  AttackerSlot Attacker[3]{};  // slots 1 and 2
  std::int32_t MothershipSaved[kCols + 1]{};
  std::int32_t SkillInterval[5]{};  // [1..4]

  struct KeyRecord {
    std::int32_t KeyIndex = 0;
    std::uint16_t VirtualKey = 0;
  };
  KeyRecord KeyAssign[7]{};  // actions 1..6

  // Sprite tables (element ids on the board).
  ElementId PanelDigitPos[5]{};
  ElementId PanelNumber[10]{};
  ElementId EnemySprite[kCols + 1][kRows + 1]{};
  ElementId FireSprite[kCols + 1][kRows + 1]{};
  ElementId ShipSprite[kCols + 1]{};
  struct EnemyLookEntry {
    ElementId Whole = 0, Body = 0, Wings = 0;
  };
  EnemyLookEntry EnemyLook[kCols + 1][7]{};  // rows 1..6
  struct ShipLookEntry {
    ElementId Whole = 0, Dock = 0;
  };
  ShipLookEntry ShipLook[kCols + 1]{};

  // Debug views (the hidden labels' captions).
  std::string la_debug_aEnemy, la_debug_aFire;

  SpriteBoard board;
  TimerSet timers;
  Random random;
  SoundSink* sound = nullptr;  // none: silent

  // ---- Part of the form's creation that belongs to the game ----------------
  // Fills the sprite tables and SkillInterval, clears the input flags and seeds
  // the generator from the clock.
  void FormCreate();

  // ---- Modes, grids, timers ----------------------------------------------
  void Gam_Stop_All_Timers();
  void Gam_Reset_Numeric_Arrays();
  void Gam_Set_Mode();
  void Debug_aEnemy();
  void Debug_aFire();

  // ---- Controls and game lifecycle -----------------------------------------
  // Sets KeyAssign from six key indices (1..44; anything else takes the action's
  // default) and rebuilds the hints.
  void assign_keys(const std::array<int, 7>& key_index);
  // Rebuilds the seven button hints from KeyAssign; the power hint fits the mode.
  void set_button_hints();
  void FormKeyDown(int key_code);
  void FormKeyUp(int key_code);
  // The press (down) or release of an action (actions.h); a release of power does nothing.
  void run_action(Action action, bool down);
  void inp_power_down();
  void inp_select_down();
  void inp_select_up();
  void inp_start_down();
  void inp_start_up();
  void inp_left_down();
  void inp_left_up();
  void inp_right_down();
  void inp_right_up();
  void inp_fire_down();
  void inp_fire_up();

  // ---- Shooting in phases 1 to 3 ---------------------------------------------
  void Gam_Phase123_Set_Sprites();
  void Gam_Phase123_Check_Collision();
  void Gam_Phase123_Miss();
  // An enemy at (c, r), r >= 2, drops a shot into its own cell.
  void drop_enemy_shot(int col, int row);
  // After a ship move: lost if row 1's enemy sprite is lit or a shot waits on row 2.
  void ship_collision_test();

  // ---- Phase 4 ---------------------------------------------------------------
  void Gam_Phase4_Set_Sprites();
  void Gam_Phase4_Check_Dock();
  // The phase-4 branches of the controls.
  void phase4_left_down();
  void phase4_right_down();
  void phase4_fire_down();
  void phase4_fire_up();

  // ---- Display (screen.cpp) -----------------------------------------------------
  void Vid_Display_All_Sprites(bool on);
  void Vid_Display_Ship(bool visible);
  void Vid_Display_Shuttle(bool visible);
  void Vid_Display_Dock(bool visible);
  void Vid_Display_Panel_Score(const std::int32_t& value, bool on);
  void Vid_Display_Panel_Skill(const std::int32_t& value, bool on);
  void Vid_Display_Panel_Lives(const std::int32_t& value, bool on);
  void Vid_Display_Ctrl_Overlay();

  // ---- Sound -----------------------------------------------------------------
  void Snd_Play(Effect e) {
    if (sound) sound->Snd_Play(e);
  }
  void Snd_Silence() {
    if (sound) sound->Snd_Silence();
  }

  // ---- Helpers shared by the phases -----------------------------------------------
  // (Timer shorthand.)
  void start_timer(TimerId id, int ms) { timers.Start(id, ms); }
  void enable(TimerId id, bool on = true) { timers.SetEnabled(id, on); }
  void set_interval(TimerId id, int ms) { timers.SetInterval(id, ms); }
  // Sets aEnemy[2..4][9] to 1 and lights those three cells: the mothership of phases 1 and 2.
  void light_mothership_row();
  // Shows the word GOOD on the panel.
  void panel_good();
  // Frees both attacker slots (Col, Row, Pattern := 0).
  void free_attacker_slots();
  // Hides every flame cell (shot cells of rows 2 to 6).
  void hide_flames();
  int attacker_slots_in_use() const { return (Skill + 1) / 2; }
  // SkillInterval of the current Skill (a Skill outside 1..4 reads as 1).
  int skill_interval() const { return SkillInterval[Skill >= 1 && Skill <= 4 ? Skill : 1]; }
  // The demonstration's set-up, shared by the power-on opening and the game over
  // sequence. Part one: the two row enemies and their timers; part two, 800 ms
  // later: the three top-row enemies and the script timer.
  void demo_set_up_rows();
  void demo_set_up_script();
  // The sequence timer `self` leading into the demonstration: `sound`, then after
  // `wait_ms` the panel (`panel`) and set-up part one, 800 ms later part two.
  void demo_lead_in(TimerId self, Effect sound, int wait_ms, void (*panel)(Console&));
  // Phase 1's rows 7 and 8 start scrolling from fresh periods; the attack timer
  // gets the skill's interval, to be enabled later.
  void start_fleet_rows();

  // ---- Timer handlers: `<timer>Timer` for each of the 29 (timers.h) ----------------
#define VX_TIMER_HANDLER(name) void name##Timer();
  VX_TIMERS(VX_TIMER_HANDLER)
#undef VX_TIMER_HANDLER

  // Runs the handler of a timer (the timer set calls this on every tick).
  void run_timer(TimerId id);
};

// Every operation without arguments, by its own name (the scenario runner's `call`).
struct NamedOperation {
  std::string_view name;
  void (Console::*op)();
};
std::span<const NamedOperation> console_operations();
const NamedOperation* find_operation(std::string_view name);

// The game variables by name with the range their users rely on, for dumps and
// the runner's `set`.
struct NamedVariable {
  std::string_view name;
  std::variant<std::int32_t Console::*, bool Console::*> member;
  std::int32_t lo = INT32_MIN, hi = INT32_MAX;
};
std::span<const NamedVariable> console_variables();
const NamedVariable* find_variable(std::string_view name);

}  // namespace vx
