#include "platform/key_codes.h"

#include <QKeyEvent>
#include <Qt>

namespace vx {

int windows_key_code(int qt_key, bool keypad) {
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return keypad ? 96 + (qt_key - Qt::Key_0) : '0' + (qt_key - Qt::Key_0);
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return 112 + (qt_key - Qt::Key_F1);
  struct Entry {
    int qt, code;
  };
  static constexpr Entry kKeys[] = {
      {Qt::Key_Left, 37},    {Qt::Key_Up, 38},     {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
      {Qt::Key_Alt, 18},     {Qt::Key_AltGr, 18},  {Qt::Key_Control, 17}, {Qt::Key_Shift, 16},
      {Qt::Key_Space, 32},   {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27},
  };
  for (const Entry& e : kKeys)
    if (e.qt == qt_key) return e.code;
  return 0;
}

int KeyCodeTracker::press(const QKeyEvent& event) {
  const int code = windows_key_code(event.key(), event.modifiers() & Qt::KeypadModifier);
  const quint32 scan = event.nativeScanCode();
  if (scan > 0 && scan < kScanCodes && code != 0) pressed_[scan] = code;
  return code;
}

int KeyCodeTracker::release(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return 0;
  const quint32 scan = event.nativeScanCode();
  if (scan > 0 && scan < kScanCodes && pressed_[scan] != 0) {
    const int code = pressed_[scan];
    pressed_[scan] = 0;
    return code;
  }
  return windows_key_code(event.key(), event.modifiers() & Qt::KeypadModifier);
}

}  // namespace vx
