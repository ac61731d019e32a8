// Qt keys to the Windows key codes the program compares with, and the rule that
// auto-repeated releases do not reach the console.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/key_codes.h"

namespace vx {
namespace {

TEST(KeyCodes, TheKeysOfTheKeyTable) {
  EXPECT_EQ(windows_key_code(Qt::Key_1, false), 49);
  EXPECT_EQ(windows_key_code(Qt::Key_0, false), 48);
  EXPECT_EQ(windows_key_code(Qt::Key_A, false), 65);
  EXPECT_EQ(windows_key_code(Qt::Key_Z, false), 90);
  EXPECT_EQ(windows_key_code(Qt::Key_Left, false), 37);
  EXPECT_EQ(windows_key_code(Qt::Key_Up, false), 38);
  EXPECT_EQ(windows_key_code(Qt::Key_Right, false), 39);
  EXPECT_EQ(windows_key_code(Qt::Key_Down, false), 40);
  EXPECT_EQ(windows_key_code(Qt::Key_Alt, false), 18);
  EXPECT_EQ(windows_key_code(Qt::Key_Control, false), 17);
  EXPECT_EQ(windows_key_code(Qt::Key_Shift, false), 16);
  EXPECT_EQ(windows_key_code(Qt::Key_Space, false), 32);
  EXPECT_EQ(windows_key_code(Qt::Key_Return, false), 13);
  EXPECT_EQ(windows_key_code(Qt::Key_Enter, true), 13);
  EXPECT_EQ(windows_key_code(Qt::Key_Escape, false), 27);
  EXPECT_EQ(windows_key_code(Qt::Key_F1, false), 112);
  EXPECT_EQ(windows_key_code(Qt::Key_F12, false), 123);
}

TEST(KeyCodes, KeypadDigitsAreNotTheDigitKeys) {
  EXPECT_EQ(windows_key_code(Qt::Key_1, true), 97);
  EXPECT_EQ(windows_key_code(Qt::Key_Tab, false), 0);
  EXPECT_EQ(windows_key_code(Qt::Key_Exclam, false), 0);
}

QKeyEvent key(QEvent::Type type, int qt_key, quint32 scan, bool repeat = false) {
  return QKeyEvent(type, qt_key, Qt::NoModifier, scan, 0, 0, QString(), repeat);
}

TEST(KeyCodes, AutoRepeatedReleasesAreDropped) {
  KeyCodeTracker keys;
  EXPECT_EQ(keys.press(key(QEvent::KeyPress, Qt::Key_Control, 37)), 17);
  EXPECT_EQ(keys.release(key(QEvent::KeyRelease, Qt::Key_Control, 37, true)), 0);
  EXPECT_EQ(keys.press(key(QEvent::KeyPress, Qt::Key_Control, 37, true)), 17);
  EXPECT_EQ(keys.release(key(QEvent::KeyRelease, Qt::Key_Control, 37)), 17);
}

TEST(KeyCodes, AReleaseUnderAnotherSymbolEndsWhatItsPressStarted) {
  KeyCodeTracker keys;
  EXPECT_EQ(keys.press(key(QEvent::KeyPress, Qt::Key_1, 10)), 49);
  // Shift went down meanwhile: the same physical key comes back as '!'.
  EXPECT_EQ(keys.release(key(QEvent::KeyRelease, Qt::Key_Exclam, 10)), 49);
  // Without a scan code the key itself decides.
  EXPECT_EQ(keys.release(key(QEvent::KeyRelease, Qt::Key_2, 0)), 50);
}

}  // namespace
}  // namespace vx
