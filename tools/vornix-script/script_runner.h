// The scenario runner behind vornix-script: a console on the virtual clock, driven
// one command a line, printing dumps and screens. Also used in-process by benchmarks.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/console_state.h"

namespace vx {

struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& what) : std::runtime_error(what), line(line) {}
  int line;
};

class ScriptRunner {
 public:
  // The console starts as the desktop program leaves it after creation, with the
  // default keys, every picture source holding a placeholder named after it.
  ScriptRunner(std::ostream& out, std::uint32_t seed, bool trace);

  Console& console() { return k_; }
  // Runs one script line; throws ScriptError naming the line.
  void run_line(std::string_view line, int line_no);
  // Runs a whole script; on a fault prints "line N: ..." to `err` and returns 2.
  int run(std::istream& in, std::ostream& err);

  std::string dump();
  std::string show() const;

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

  void set_command(const std::vector<std::string_view>& w, int line_no);

  std::ostream& out_;
  Console k_;
  Recorder sounds_{k_.timers};
};

}  // namespace vx
