#include "app/script_player.h"

#include <QElapsedTimer>
#include <QTimer>
#include <charconv>
#include <memory>
#include <sstream>

#include "display/console_window.h"
#include "game/actions.h"

namespace vx {

std::optional<std::vector<ScriptStep>> read_script(std::istream& in, std::string& error) {
  std::vector<ScriptStep> steps;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string cmd, arg, extra;
    if (!(words >> cmd)) continue;
    words >> arg >> extra;
    const auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(n) + ": " + why;
      return std::nullopt;
    };
    if (!extra.empty()) return fail("'" + cmd + "' takes one value");
    if (cmd == "press" || cmd == "release") {
      const auto action = action_by_name(arg);
      if (!action) return fail("unknown action '" + arg + "'");
      if (cmd == "release" && !kActionOps[*action].up) return fail("power has no release");
      steps.push_back({cmd == "press" ? ScriptStep::Press : ScriptStep::Release, *action, 0});
    } else if (cmd == "wait") {
      int ms = -1;
      const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), ms);
      if (ec != std::errc() || end != arg.data() + arg.size() || ms < 0)
        return fail("wait needs a number of milliseconds, not '" + arg + "'");
      steps.push_back({ScriptStep::Wait, ActPower, ms});
    } else {
      return fail("'" + cmd + "' does not run in the desktop program (press, release and wait do)");
    }
  }
  return steps;
}

namespace {

struct Player {
  Player(TForm1& f, std::vector<ScriptStep> s, std::function<void()> d)
      : form(f), steps(std::move(s)), done(std::move(d)) {}
  TForm1& form;
  std::vector<ScriptStep> steps;
  std::function<void()> done;
  std::size_t next = 0;
  QElapsedTimer clock;
  std::int64_t target_ms = 0;  // when the current wait ends, on `clock`

  // Runs the steps up to the next wait, then sleeps until that wait is over.
  static void run(const std::shared_ptr<Player>& self) {
    Player& p = *self;
    while (p.next < p.steps.size()) {
      const ScriptStep& s = p.steps[p.next++];
      if (s.kind == ScriptStep::Wait) {
        p.target_ms += s.ms;
        const auto left = std::max<std::int64_t>(0, p.target_ms - p.clock.elapsed());
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &p.form, [self] { run(self); });
        return;
      }
      p.form.run_due_ticks();
      run_action(p.form.console(), s.action, s.kind == ScriptStep::Press);
      p.form.sync();
    }
    if (p.done) p.done();
  }
};

}  // namespace

void play_script(TForm1& form, std::vector<ScriptStep> steps, std::function<void()> done) {
  auto player = std::make_shared<Player>(form, std::move(steps), std::move(done));
  player->clock.start();
  Player::run(player);
}

}  // namespace vx
