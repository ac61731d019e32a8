// Scripts from a bug report are untrusted: a wait or a random value beyond what
// the clock and the generator take, or waits that add up past it, are refused
// when the script is read, before any line runs, by both runners alike:
// vornix-script on the virtual clock and the desktop program's --script (before
// its window opens). Values at the limits are taken as they are.
#include <gtest/gtest.h>

#include "support/program_run.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

class HostileScripts : public Program {
 protected:
  fs::path script(const std::string& text) {
    write_text(config / "run.vxs", text);
    return config / "run.vxs";
  }
  Outcome vornix_script(const std::string& text) {
    return run(VORNIX_SCRIPT, {"--seed", "1", QString::fromStdString(script(text).string())});
  }
  // The console window's creation stores the keys: no store, no window.
  Outcome desktop(const std::string& text) {
    return simulator({"--data-dir", VORNIX_DATA_DIR, "--no-dialogs", "--quit-after", "20000", "--script",
                      QString::fromStdString(script(text).string())});
  }
};

TEST_F(HostileScripts, WaitsAndRandomValuesBeyondTheLimitsAreRefusedBeforeAnythingRuns) {
  const std::pair<std::string, std::string> cases[] = {
      {"wait 9223372036854775807", "line 3: a wait is at most 2147483647 ms, not 9223372036854775807"},
      {"wait 99999999999999999999", "line 3: a wait is at most 2147483647 ms, not 99999999999999999999"},
      {"wait 4294968296", "line 3: a wait is at most 2147483647 ms, not 4294968296"},
      {"wait 2147483648", "line 3: a wait is at most 2147483647 ms, not 2147483648"},
      {"wait 2147483000\nwait 648", "line 4: the script's waits add up to more than 2147483647 ms"},
      {"rng 4294967296 2", "line 3: a random value is at most 4294967295, not 4294967296"},
  };
  for (const auto& [line, message] : cases) {
    SCOPED_TRACE(line);
    const std::string text = "dump\npress power\n" + line + "\ndump\n";
    const Outcome headless = vornix_script(text);
    EXPECT_EQ(headless.status, 2);
    EXPECT_EQ(headless.err, message + "\n");
    EXPECT_EQ(headless.out, "") << "nothing ran";

    const Outcome shown = desktop(text);
    EXPECT_EQ(shown.status, 2);
    EXPECT_NE(shown.err.find(message + "\n"), std::string::npos) << shown.err;
    EXPECT_EQ(shown.out, "") << "nothing ran";
    EXPECT_FALSE(fs::exists(config / "Brimlock/Vornix50.conf")) << "the console window was never made";
  }
}

TEST_F(HostileScripts, ValuesAtTheLimitsAreTakenAsTheyAre) {
  // The longest wait: the virtual clock gets there, its time does not wrap.
  const Outcome longest = vornix_script("wait 2147483647\ndump\n");
  EXPECT_EQ(longest.status, 0) << longest.err;
  EXPECT_EQ(longest.out.rfind("{\"t\":2147483647,", 0), 0u) << longest.out;
  // The largest random value is queued whole, and named whole when it does not fit the draw.
  const Outcome largest = vornix_script(
      "set GameMode 2\nset Skill 1\npress start\nrelease start\nwait 3201\n"
      "timer Timer_Game_Start 800 off\ntimer Timer_Phase1_Enemy_Row8 200 off\ntimer Timer_Phase1_Enemy_Row7 350 off\n"
      "timer Timer_Phase1_Enemy_Attacking 400 on\nrng 4294967295\nwait 400\n");
  EXPECT_EQ(largest.status, 2);
  EXPECT_EQ(largest.err, "line 10: queued random value 4294967295 is not below 2\n");
}

}  // namespace
}  // namespace vx::test
