#include "app/script_player.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <optional>

#include "display/console_window.h"
#include "platform/key_codes.h"
#include "script/script_runner.h"

namespace vx {
namespace {

constexpr const char* kNoForcedDraws = "'rng' needs the virtual clock (vornix-script); use --seed N here";

// `key NAME`: a key of the keyboard (F12, Ctrl+0, Esc, ...), as Qt writes it;
// null when the line is no such command.
std::optional<QKeyCombination> key_command(const std::vector<std::string_view>& w, int line) {
  if (w[0] != "key") return std::nullopt;
  if (w.size() != 2) throw ScriptError(line, "'key' takes one key, like F12 or Ctrl+0");
  const QKeySequence seq = QKeySequence::fromString(QString::fromUtf8(w[1].data(), static_cast<qsizetype>(w[1].size())),
                                                    QKeySequence::PortableText);
  if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown)
    throw ScriptError(line, "unknown key '" + std::string(w[1]) + "'");
  return seq[0];
}

ScriptHooks refuse_forced_draws() {
  ScriptHooks hooks;
  hooks.rng = [](std::int64_t, int line) -> void { throw ScriptError(line, kNoForcedDraws); };
  hooks.other = [](const std::vector<std::string_view>& w, int line) { return key_command(w, line).has_value(); };
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
    : form_(form),
      lines_(std::move(lines)),
      done_(std::move(done)),
      commands_(form.host().console(), std::cout, [this] {
        ScriptHooks hooks = refuse_forced_draws();
        hooks.wait = [this](std::int64_t ms, int) {
          until_ms_ += ms;
          waiting_ = true;
        };
        hooks.act = [this](Action action, bool down) { press(action, down); };
        hooks.other = [this](const std::vector<std::string_view>& w, int line) {
          const auto key = key_command(w, line);
          if (key) type(*key);
          return key.has_value();
        };
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
    form_.show_report(form_.host().report());
    std::cout.flush();  // what a dump or show printed is there to read at once
    if (waiting_) {
      waiting_ = false;
      const std::int64_t left = until_ms_ - clock_.elapsed();
      QTimer::singleShot(static_cast<int>(std::max<std::int64_t>(left, 0)), Qt::PreciseTimer, this, [this] { play(); });
      return;
    }
  }
  std::cout.flush();
  // After what is already queued (the paint of the last change).
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (done_) done_();
      },
      Qt::QueuedConnection);
}

void ScriptPlayer::type(QKeyCombination key) {
  // To the window that has the keyboard, as the keyboard would send it.
  QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : &form_;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key.key(), key.keyboardModifiers());
    QCoreApplication::sendEvent(to, &event);
  }
}

void ScriptPlayer::press(Action action, bool down) {
  const int key = qt_key_for_code(form_.host().console().KeyAssign[action].VirtualKey);
  QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&form_, &event);
}

}  // namespace vx
