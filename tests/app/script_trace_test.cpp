// The real program driven by a script on the real clock (--script), and the traces
// it writes of its timers, of the key path and of start-up (--trace-timers,
// --trace-input, --trace-startup): what
// they contain and how it fits together, never how fast it is.
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "game/timers.h"
#include "support/program_run.h"
#include "support/test_install.h"

namespace vx::test {
namespace {

std::vector<std::vector<std::string>> lines_of(const std::filesystem::path& file) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    lines.emplace_back();
    for (std::string w; words >> w;) lines.back().push_back(w);
  }
  return lines;
}

class Scripted : public Program {
 protected:
  TempDir data;
  Scripted() {
    write_test_install(data.path(), 1);
    // The launcher is skipped; select sits on 'S' instead of its default key.
    store_for_child("Skin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\nKey2=29\n");
  }
  Outcome play(const std::string& script, const QStringList& more = {}) {
    write_text(data / "run.vxs", script);
    QStringList args{"--data-dir", QString::fromStdString(data.path().string()), "--no-dialogs", "--script",
                     QString::fromStdString((data / "run.vxs").string())};
    return simulator(args + more);
  }
};

TEST_F(Scripted, TheScriptPlaysThroughTheAssignedKeysAndTheProgramEndsWithIt) {
  const Outcome r = play(
      "set GameMode 2\n"  // the demonstration at skill 1
      "set Skill 1\n"
      "press select\n"
      "release select\n"
      "wait 40\n"
      "dump\n"
      "show\n");
  ASSERT_EQ(r.status, 0) << r.err;
  // Waits are real time, and the console's clock is the window's: at least 40 ms went by.
  const auto t_at = r.out.find("{\"t\":");
  ASSERT_NE(t_at, std::string::npos) << r.out;
  EXPECT_GE(std::stol(r.out.substr(t_at + 5)), 40);
  EXPECT_NE(r.out.find("\"GameMode\":2,\"Skill\":2,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"btn_select_down\":false"), std::string::npos);
  EXPECT_EQ(r.out.find("\"sounds\""), std::string::npos);  // only the virtual clock records sounds
  EXPECT_NE(r.out.find("panel [  2 ]\n"), std::string::npos) << r.out;
}

TEST_F(Scripted, AFaultyScriptIsRefusedBeforeAnyWindowOpens) {
  // No display: the check runs before the toolkit starts.
  write_text(data / "bad.vxs", "press power\nwait 10\npress jump\n");
  Outcome r = simulator({"--script", QString::fromStdString((data / "bad.vxs").string())}, false);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("bad.vxs: line 3: unknown action 'jump'"), std::string::npos) << r.err;
  // Forced draws belong to the virtual clock.
  write_text(data / "rng.vxs", "rng 1 2\n");
  r = simulator({"--script", QString::fromStdString((data / "rng.vxs").string())}, false);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("line 1: 'rng' needs the virtual clock"), std::string::npos) << r.err;
  r = simulator({"--script", QString::fromStdString((data / "absent.vxs").string())}, false);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("absent.vxs: the script cannot be read"), std::string::npos) << r.err;
}

TEST_F(Scripted, TheTimerTraceHasEveryTickWithItsDueTimeItsRunAndItsInterval) {
  const auto trace = data / "timers.txt";
  const Outcome r = play("press power\nwait 30\ntimer Timer_Keypress 10 on\nwait 45\ndump\n",
                         {"--trace-timers", QString::fromStdString(trace.string())});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = lines_of(trace);
  ASSERT_GE(lines.size(), 2u);
  for (const auto& w : lines) {
    ASSERT_EQ(w.size(), 4u);
    EXPECT_TRUE(timer_by_name(w[0])) << w[0];
    EXPECT_GE(std::stoll(w[2]), std::stoll(w[1])) << "a tick never runs before it is due: " << w[0];
    EXPECT_EQ(std::stoll(w[1]) % 1000, 0) << "due times are whole milliseconds";
  }
  // The jingle starts 1 ms after power; then the 10 ms timer ticks, and nothing else.
  EXPECT_EQ(lines[0][0], "Timer_Demo_1");
  EXPECT_EQ(lines[0][3], "1000");
  const long long power = std::stoll(lines[0][1]) - 1000;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i][0], "Timer_Keypress");
    EXPECT_EQ(lines[i][3], "10000");
    EXPECT_GE(std::stoll(lines[i][1]) - power, 30000 + 10000);  // started 30 ms after power, 10 ms period
  }
}

TEST_F(Scripted, TheInputTraceFollowsEachKeyPressToThePaintThatShowsIt) {
  const auto trace = data / "input.txt";
  const Outcome r = play(
      "press select\n"  // the pressed button shows
      "press select\n"  // held already: nothing changes on the screen
      "release select\n"
      "wait 100\n"
      "press power\n",
      {"--trace-input", QString::fromStdString(trace.string())});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = lines_of(trace);
  ASSERT_EQ(lines.size(), 4u);
  ASSERT_EQ(lines[0].size(), 2u);
  EXPECT_EQ(lines[0][0], "first-paint");
  const long long first_paint = std::stoll(lines[0][1]);
  for (std::size_t i = 1; i < 4; ++i) {
    ASSERT_EQ(lines[i].size(), 3u);
    EXPECT_EQ(lines[i][0], "key");
    EXPECT_GE(std::stoll(lines[i][1]), first_paint) << "the script starts on the shown console";
  }
  EXPECT_GE(std::stoll(lines[1][2]), std::stoll(lines[1][1]));
  EXPECT_EQ(lines[2][2], "-");
  EXPECT_GE(std::stoll(lines[3][2]), std::stoll(lines[3][1]));
}

TEST_F(Scripted, TheStartupTraceNamesEachPhaseInOrderThenWhoHoldsTheMemory) {
  const auto trace = data / "startup.txt";
  const Outcome r = play("", {"--trace-startup", QString::fromStdString(trace.string())});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = lines_of(trace);
  const std::vector<std::string> phases{"main",     "qt",    "settings", "config", "console",
                                        "forms",    "launcher", "sound", "skin",   "first-paint"};
  ASSERT_GE(lines.size(), phases.size());
  long long at = 0, cpu = 0;
  for (std::size_t i = 0; i < phases.size(); ++i) {
    ASSERT_EQ(lines[i].size(), 5u);
    EXPECT_EQ(lines[i][0], "phase");
    EXPECT_EQ(lines[i][1], phases[i]);
    EXPECT_GE(std::stoll(lines[i][2]), at);
    EXPECT_GE(std::stoll(lines[i][3]), cpu);
    EXPECT_GT(std::stoll(lines[i][4]), 0) << "resident kB";
    at = std::stoll(lines[i][2]);
    cpu = std::stoll(lines[i][3]);
  }
  std::map<std::string, std::pair<long long, long long>> held;
  for (std::size_t i = phases.size(); i < lines.size(); ++i) {
    ASSERT_EQ(lines[i].size(), 4u);
    EXPECT_EQ(lines[i][0], "memory");
    held[lines[i][1]] = {std::stoll(lines[i][2]), std::stoll(lines[i][3])};
  }
  long long pictures = 0;
  for (const auto& [owner, count_bytes] : held)
    if (owner.rfind("pictures-", 0) == 0) pictures += count_bytes.first;
  EXPECT_GT(pictures, 100) << "the test skin's own pictures";
  EXPECT_EQ(held["back-buffer"].second, 240LL * 320 * 4 + 32 * 320) << "the buffer and its one-bit shape";
  EXPECT_EQ(held["samples"], (std::pair<long long, long long>{0, 0})) << "sound is off";
}

}  // namespace
}  // namespace vx::test
