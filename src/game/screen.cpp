// The emulated screen and panel: lighting cells and writing the panel by showing,
// hiding and re-picturing the board's elements. Keeps no state of its own.
#include "game/console_state.h"

namespace vx {

void Console::Vid_Display_All_Sprites(bool on) {
  for (int p = 1; p <= 4; ++p) {
    board.show(PanelDigitPos[p], true);
    if (on)
      board.set_picture_from(PanelDigitPos[p], PanelNumber[8]);
    else
      board.clear_picture(PanelDigitPos[p]);
  }
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= 9; ++r) board.show(EnemySprite[c][r], on);
    for (int r = 2; r <= 9; ++r) board.show(FireSprite[c][r], on);
    board.show(ShipSprite[c], on);
  }
}

void Console::Vid_Display_Ship(bool visible) { board.show(ShipSprite[ShipCol], visible); }

void Console::Vid_Display_Shuttle(bool visible) { board.show(EnemySprite[ShipCol][ShuttleRow], visible); }

void Console::Vid_Display_Dock(bool visible) { board.show(ShipSprite[DockCol], visible); }

void Console::Vid_Display_Panel_Score(const std::int32_t& value, bool on) {
  if (!on) {
    for (int p = 1; p <= 4; ++p) board.clear_picture(PanelDigitPos[p]);
    return;
  }
  const std::int32_t v = value;
  if (v > 9999) {
    panel_good();
    return;
  }
  auto digit_or_blank = [&](int pos, bool shown, int digit) {
    if (shown)
      board.set_picture_from(PanelDigitPos[pos], PanelNumber[digit]);
    else
      board.clear_picture(PanelDigitPos[pos]);
  };
  digit_or_blank(1, v > 999, (v / 1000) % 10);
  digit_or_blank(2, v > 99, (v / 100) % 10);
  digit_or_blank(3, v > 9, (v / 10) % 10);
  digit_or_blank(4, true, v % 10);
}

namespace {
// One digit at `pos`, the other three positions cleared; or all cleared.
void single_digit(Console& k, int pos, int digit, bool on) {
  for (int p = 1; p <= 4; ++p) {
    if (on && p == pos)
      k.board.set_picture_from(k.PanelDigitPos[p], k.PanelNumber[digit]);
    else
      k.board.clear_picture(k.PanelDigitPos[p]);
  }
}
}  // namespace

void Console::Vid_Display_Panel_Skill(const std::int32_t&, bool on) { single_digit(*this, 3, Skill, on); }

void Console::Vid_Display_Panel_Lives(const std::int32_t&, bool on) { single_digit(*this, 4, Lives, on); }

void Console::Vid_Display_Ctrl_Overlay() {
  board.show(btn_ctrlr_overlay_left, CtrlrOverlay);
  board.show(btn_ctrlr_overlay_right, CtrlrOverlay);
  board.show(btn_joystick_top, !CtrlrOverlay);
}

}  // namespace vx
