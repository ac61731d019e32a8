// The console's creation, modes, grids and timer dispatch, and the name tables
// of its operations and variables.
#include "game/console_state.h"

namespace vx {
namespace {

using Op = void (Console::*)();

// Timer handlers in timer-table order.
constexpr std::array<Op, kTimerCount> kTimerHandlers{
#define VX_TIMER_HANDLER(name) &Console::name##Timer,
    VX_TIMERS(VX_TIMER_HANDLER)
#undef VX_TIMER_HANDLER
};

// clang-format off
#define VX_OP(name) NamedOperation{#name, &Console::name}
const NamedOperation kOperations[] = {
    VX_OP(Gam_Stop_All_Timers),
    VX_OP(Gam_Reset_Numeric_Arrays),
    VX_OP(Gam_Set_Mode),
    VX_OP(Debug_aEnemy),
    VX_OP(Debug_aFire),
    VX_OP(set_button_hints),
    VX_OP(inp_power_down),
    VX_OP(inp_select_down),
    VX_OP(inp_select_up),
    VX_OP(inp_start_down),
    VX_OP(inp_start_up),
    VX_OP(inp_left_down),
    VX_OP(inp_left_up),
    VX_OP(inp_right_down),
    VX_OP(inp_right_up),
    VX_OP(inp_fire_down),
    VX_OP(inp_fire_up),
    VX_OP(Gam_Phase123_Set_Sprites),
    VX_OP(Gam_Phase123_Check_Collision),
    VX_OP(Gam_Phase123_Miss),
    VX_OP(ship_collision_test),
    VX_OP(Gam_Phase4_Set_Sprites),
    VX_OP(Gam_Phase4_Check_Dock),
    VX_OP(phase4_left_down),
    VX_OP(phase4_right_down),
    VX_OP(phase4_fire_down),
    VX_OP(phase4_fire_up),
    VX_OP(Vid_Display_Ctrl_Overlay),
    VX_OP(demo_set_up_rows),
    VX_OP(demo_set_up_script),
#define VX_TIMER_OP(name) VX_OP(name##Timer),
    VX_TIMERS(VX_TIMER_OP)
#undef VX_TIMER_OP
};
#undef VX_OP

#define VX_VAR(name, ...) NamedVariable{#name, &Console::name __VA_OPT__(, ) __VA_ARGS__}
constexpr std::int32_t kMax = INT32_MAX;
const NamedVariable kVariables[] = {
    VX_VAR(GameMode),         VX_VAR(Skill, 0, 4),   VX_VAR(Phase),
    VX_VAR(Lives, 0, 9),      VX_VAR(EnemiesLeft),   VX_VAR(Score, 0, kMax),
    VX_VAR(ShipCol, 0, 5),    VX_VAR(ShotCol, 0, 5), VX_VAR(HitCol, 0, 5),
    VX_VAR(HitRow, 0, 9),     VX_VAR(Step),          VX_VAR(HitStep),
    VX_VAR(ControlsReady),    VX_VAR(JoystickHeld),  VX_VAR(FireHeld),
    VX_VAR(ShotInFlight),     VX_VAR(ThrustOn),      VX_VAR(CtrlrOverlay),
    VX_VAR(ShuttleRow, 0, 6), VX_VAR(DockCol, 0, 5), VX_VAR(DockCountdown, 0, kMax),
    VX_VAR(DockTick),         VX_VAR(FlameBlink),
};
#undef VX_VAR
// clang-format on

}  // namespace

std::span<const NamedOperation> console_operations() { return kOperations; }

const NamedOperation* find_operation(std::string_view name) {
  for (const auto& op : kOperations)
    if (op.name == name) return &op;
  return nullptr;
}

std::span<const NamedVariable> console_variables() { return kVariables; }

const NamedVariable* find_variable(std::string_view name) {
  for (const auto& v : kVariables)
    if (v.name == name) return &v;
  return nullptr;
}

Console::Console() {
  timers.set_handler([this](TimerId id) { run_timer(id); });
}

void Console::run_timer(TimerId id) { (this->*kTimerHandlers[static_cast<int>(id)])(); }

void Console::FormCreate() {
  // Sprite tables.
  for (int p = 1; p <= 4; ++p) PanelDigitPos[p] = el_panel_digit_pos(p);
  for (int d = 0; d <= 9; ++d) PanelNumber[d] = el_panel_number(d);
  for (int r = 9; r >= 1; --r)
    for (int c = 1; c <= kCols; ++c) EnemySprite[c][r] = el_enemy(c, r);
  for (int r = 9; r >= 2; --r)
    for (int c = 1; c <= kCols; ++c) FireSprite[c][r] = el_fire(c, r);
  for (int c = 1; c <= kCols; ++c) ShipSprite[c] = el_ship(c);
  // The picture set each cell of rows 1..6 takes its looks from.
  static constexpr int kSetRow[7] = {0, 1, 6, 5, 6, 5, 6};  // rows 2, 4, 6 use the row-6 sets
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= kCols; ++c) {
      int set_col = c, set_row = kSetRow[r];
      if (r == 1) set_col = (c % 2 == 1) ? 1 : 2;           // 01_01 02_01 01_01 02_01 01_01
      if (set_row == 5 && (c == 1 || c == 5)) set_row = 6;  // 01_06 .. 05_06 at the edges
      EnemyLook[c][r].Whole = *el_enemy_look(set_col, set_row, LookKind::Whole);
      EnemyLook[c][r].Body = *el_enemy_look(set_col, set_row, LookKind::Body);
      EnemyLook[c][r].Wings = *el_enemy_look(set_col, set_row, LookKind::Wings);
    }
  for (int c = 1; c <= kCols; ++c) ShipLook[c] = {el_ship_whole(c), el_ship_dock(c)};

  SkillInterval[1] = 400;
  SkillInterval[2] = 240;
  SkillInterval[3] = 400;
  SkillInterval[4] = 240;

  FireHeld = JoystickHeld = ControlsReady = false;
  random.seed_from_clock();
}

void Console::Gam_Stop_All_Timers() {
  for (int i = 0; i < kTimerCount; ++i) timers.SetEnabled(static_cast<TimerId>(i), false);
}

void Console::Gam_Reset_Numeric_Arrays() {
  for (int c = 0; c <= kCols; ++c)
    for (int r = 0; r <= kRows; ++r) aEnemy[c][r] = aFire[c][r] = 0;
  for (int i = 1; i <= 2; ++i) Attacker[i].Col = Attacker[i].Row = Attacker[i].Pattern = 0;
  ShotInFlight = false;
}

void Console::Gam_Set_Mode() {
  switch (GameMode) {
    case 0:
      Gam_Stop_All_Timers();
      Vid_Display_All_Sprites(false);
      Gam_Reset_Numeric_Arrays();
      Snd_Silence();
      ControlsReady = false;
      break;
    case 1:
      Gam_Stop_All_Timers();
      Gam_Reset_Numeric_Arrays();
      Gam_Phase123_Set_Sprites();
      Vid_Display_All_Sprites(false);
      Snd_Silence();
      ControlsReady = false;
      Step = 1;
      start_timer(TimerId::Timer_Demo_1, 1);
      break;
    case 3:
      Gam_Stop_All_Timers();
      Vid_Display_All_Sprites(false);
      Gam_Reset_Numeric_Arrays();
      Gam_Phase123_Set_Sprites();
      Snd_Silence();
      Step = 1;
      start_timer(TimerId::Timer_Game_Start, 1);
      break;
    default:  // 2, the demo, is entered by the sequences themselves
      break;
  }
}

void Console::Debug_aEnemy() {
  la_debug_aEnemy.clear();
  for (int r = 9; r >= 1; --r) {
    for (int c = 1; c <= kCols; ++c) la_debug_aEnemy += std::to_string(aEnemy[c][r]);
    la_debug_aEnemy += ' ';
  }
}

void Console::Debug_aFire() {
  la_debug_aFire.clear();
  for (int r = 9; r >= 2; --r) {
    for (int c = 1; c <= kCols; ++c) la_debug_aFire += std::to_string(aFire[c][r]);
    la_debug_aFire += ' ';
  }
}

void Console::light_mothership_row() {
  for (int c = 2; c <= 4; ++c) {
    aEnemy[c][9] = 1;
    board.show(EnemySprite[c][9], true);
  }
}

void Console::panel_good() {
  board.set_picture_from(PanelDigitPos[1], im_panel_letter_g);
  board.set_picture_from(PanelDigitPos[2], im_panel_letter_o);
  board.set_picture_from(PanelDigitPos[3], im_panel_letter_o);
  board.set_picture_from(PanelDigitPos[4], im_panel_letter_d);
}

void Console::free_attacker_slots() {
  for (int i = 1; i <= 2; ++i) Attacker[i].Col = Attacker[i].Row = Attacker[i].Pattern = 0;
}

void Console::hide_flames() {
  for (int r = 2; r <= 6; ++r)
    for (int c = 1; c <= kCols; ++c) board.show(FireSprite[c][r], false);
}

}  // namespace vx
