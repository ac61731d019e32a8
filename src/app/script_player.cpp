#include "app/script_player.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <iostream>

#include "display/console_window.h"
#include "platform/key_codes.h"
#include "script_runner.h"

namespace vx {
namespace {

constexpr const char* kNoForcedDraws = "'rng' needs the virtual clock (vornix-script); use --seed N here";

ScriptHooks refuse_forced_draws() {
  ScriptHooks hooks;
  hooks.rng = [](std::int64_t, int line) -> void { throw ScriptError(line, kNoForcedDraws); };
  return hooks;
}

}  // namespace

bool read_script(std::istream& in, std::vector<std::string>& lines, std::string& error) {
  std::ostream nowhere(nullptr);
  ScriptRunner runner(nowhere, 0, false);
  // Each line is tried on a console of its own; time does not pass there.
  ScriptHooks hooks = refuse_forced_draws();
  hooks.wait = [](std::int64_t, int) {};
  ScriptCommands checker(runner.console(), nowhere, std::move(hooks));
  try {
    lines = read_script_lines(in);
    for (std::size_t i = 0; i < lines.size(); ++i) checker.run_line(lines[i], static_cast<int>(i + 1));
  } catch (const ScriptError& e) {
    error = "line " + std::to_string(e.line) + ": " + e.what();
    return false;
  }
  return true;
}

ScriptPlayer::ScriptPlayer(TForm1& form, std::vector<std::string> lines, std::function<void()> done)
    : form_(form), lines_(std::move(lines)), done_(std::move(done)), commands_(form.console(), std::cout, [this] {
        ScriptHooks hooks = refuse_forced_draws();
        hooks.wait = [this](std::int64_t ms, int) {
          until_ms_ += ms;
          waiting_ = true;
        };
        hooks.act = [this](Action action, bool down) { press(action, down); };
        return hooks;
      }()) {}

void ScriptPlayer::start() {
  if (started_) return;
  started_ = true;
  // Not inside the paint that starts it: at the event loop's next turn.
  QMetaObject::invokeMethod(
      this,
      [this] {
        clock_.start();
        play();
      },
      Qt::QueuedConnection);
}

void ScriptPlayer::play() {
  while (next_ < lines_.size()) {
    const int line_no = static_cast<int>(next_ + 1);
    const std::string& line = lines_[next_++];
    form_.run_due_ticks();  // the console is up to date before the command acts on it
    try {
      commands_.run_line(line, line_no);
    } catch (const ScriptError& e) {
      std::fprintf(stderr, "vornix-simulator: script line %d: %s\n", e.line, e.what());
      QCoreApplication::exit(2);
      return;
    }
    form_.sync();
    if (waiting_) {
      waiting_ = false;
      const std::int64_t left = until_ms_ - clock_.elapsed();
      QTimer::singleShot(static_cast<int>(std::max<std::int64_t>(left, 0)), Qt::PreciseTimer, this, [this] { play(); });
      return;
    }
  }
  std::cout.flush();
  // After what is already queued (the paint of the last change).
  QMetaObject::invokeMethod(this, [this] { if (done_) done_(); }, Qt::QueuedConnection);
}

void ScriptPlayer::press(Action action, bool down) {
  const int key = qt_key_for_code(form_.console().KeyAssign[action].VirtualKey);
  QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&form_, &event);
}

}  // namespace vx
