// Shared set-up of the desktop widget tests: one small installation for the whole
// run, an empty settings store before each test, error boxes, shell requests and
// termination requests recorded instead of acted on, and the console window on a
// clock the test moves.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "display/console_window.h"
#include "frontend/splash_form.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/termination.h"
#include "support/temp_dir.h"
#include "support/test_install.h"

namespace vx::test {

inline QSettings stored_settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50");
}
// The raw text of a stored value ("" when absent).
inline std::string stored(const char* name) { return stored_settings().value(name).toString().toStdString(); }
inline void store(const char* name, const char* text) {
  QSettings s = stored_settings();
  s.setValue(name, text);
  s.sync();
}

class DesktopTest : public testing::Test {
 protected:
  static const std::filesystem::path& install() {
    static TempDir dir;
    static bool written = (write_test_install(dir.path(), 2), true);
    (void)written;
    return dir.path();
  }

  DesktopTest() {
    QSettings s = stored_settings();
    s.clear();
    s.sync();
    set_error_box([this](std::string_view text) { messages.emplace_back(text); });
    set_shell_open([this](std::string_view document) { opened.emplace_back(document); });
    set_termination_hook({});
  }
  ~DesktopTest() override {
    launcher.reset();
    form.reset();
    set_error_box({});
    set_shell_open({});
    set_termination_hook({});
  }

  // Creates the console window (as start-up step 3 does) on the test's clock.
  TForm1& create(const std::filesystem::path& data = install()) {
    form = std::make_unique<TForm1>(TForm1::Options{data, 7});
    form->set_clock([this] { return now; });
    return *form;
  }
  // Creates the console window and the launcher, as start-up does.
  TSplashForm& start(const std::filesystem::path& data = install()) {
    create(data);
    launcher = std::make_unique<TSplashForm>(*form);
    return *launcher;
  }
  // The launcher's three stored choices, as text.
  static void store_choices(const char* skin, const char* sound_mode, const char* splash_screen) {
    store("Skin", skin);
    store("SoundMode", sound_mode);
    store("SplashScreen", splash_screen);
  }
  // Start-up with the launcher skipped: skin 1, no sound, windowed or full screen.
  TForm1& start_playing(bool fullscreen) {
    store_choices("1", "2", "0");
    store("FullscreenMode", fullscreen ? "1" : "0");
    start();
    EXPECT_TRUE(launcher->skipped());
    return *form;
  }
  // Moves the test's clock on and lets the window run what fell due.
  void advance(std::int64_t ms) {
    now += ms;
    form->run_due_ticks();
  }

  Console& console() { return form->host().console(); }
  // The colour drawn at a point of the window (0xRRGGBB).
  std::uint32_t pixel_at(int x, int y) const { return form->frame().pixel(x, y) & 0xFFFFFFu; }
  // The centre of an element's box in the window.
  QPoint centre_of(ElementId id) {
    const Sprite& s = console().board[id];
    return {s.left + s.width / 2, s.top + s.height / 2};
  }

  std::int64_t now = 0;
  std::vector<std::string> messages, opened;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TSplashForm> launcher;
};

}  // namespace vx::test
