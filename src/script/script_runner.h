// The scenario runner behind vornix-script: a console host on the virtual clock,
// its sound a recorder, driven one command a line, printing dumps and screens. Also used in-process by
// benchmarks, and by the desktop program to check a script before playing it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "host/console_host.h"
#include "script/script_commands.h"

namespace vx {

class ScriptRunner {
 public:
  // The console starts as the desktop program leaves it after creation, with the
  // default keys, every picture source holding a placeholder named after it.
  ScriptRunner(std::ostream& out, std::uint32_t seed, bool trace);

  Console& console() { return host_.console(); }
  ConsoleHost& host() { return host_; }
  // Runs one script line; throws ScriptError naming the line.
  void run_line(std::string_view line, int line_no) { commands_.run_line(line, line_no); }
  // Reads a whole script, checks its waits and random values, then runs it; on a
  // fault prints "line N: ..." to `err` and returns 2.
  int run(std::istream& in, std::ostream& err);

  std::string dump() { return commands_.dump(); }
  std::string show() const { return commands_.show(); }

 private:
  class Recorder : public SoundSink {
   public:
    explicit Recorder(const TimerSet& clock) : clock_(clock) {}
    void Snd_Play(Effect e) override;
    void Snd_Silence() override;
    std::string take();

   private:
    const TimerSet& clock_;
    std::string events_;
  };

  std::ostream& out_;
  ConsoleHost host_;
  Console& k_ = host_.console();
  Recorder sounds_{k_.timers};
  ScriptCommands commands_{k_, out_, recorded_sounds()};

  ScriptHooks recorded_sounds() {
    ScriptHooks hooks;
    hooks.sounds = [this] { return sounds_.take(); };
    return hooks;
  }
};

}  // namespace vx
