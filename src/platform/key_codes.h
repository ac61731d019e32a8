// The program speaks Windows virtual-key codes (the key table, the launcher's and
// the forms' keys); Qt speaks Qt::Key. One table maps the keys the program knows:
// digits, letters, arrows, Alt, Ctrl, Shift, Space, Enter, Esc, F1 to F12.
#pragma once

class QKeyEvent;

namespace vx {

// The Windows key code of a Qt key (keypad digits get their own codes 96..105,
// which no action uses); 0 for a key the program does not know.
int windows_key_code(int qt_key, bool keypad);

// Key events as the console sees them. A key release is matched to its press by
// the physical key, so a release that Qt reports under another symbol (Shift
// pressed in between) still ends the action. An auto-repeated release gives 0:
// repeats deliver key-down events only.
class KeyCodeTracker {
 public:
  int press(const QKeyEvent& event);
  int release(const QKeyEvent& event);

 private:
  static constexpr int kScanCodes = 512;
  int pressed_[kScanCodes] = {};
};

}  // namespace vx
