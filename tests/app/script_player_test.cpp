// Reading --script files: every scenario command vornix-script knows plays in the
// desktop program too, but forced random draws, and so does the program's own
// `key`; a clear message names the line of anything else.
#include "app/script_player.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx {
namespace {

bool read(const std::string& text, std::vector<std::string>& lines, std::string& error) {
  std::istringstream in(text);
  return read_script(in, lines, error);
}

TEST(ScriptFile, EveryScenarioCommandIsAcceptedCommentsAndBlankLinesToo) {
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(
      read("# the demonstration\npress power  # on\n\nwait 3301\npress fire\nrelease fire\n"
           "set Skill 2\ntimer Timer_Keypress 300 on\ncall Gam_Stop_All_Timers\ndump\nshow\nkey F12\nkey Ctrl+0\n",
           lines, error))
      << error;
  EXPECT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], "press power  # on");
}

TEST(ScriptFile, EachFaultNamesItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"press power\nrelease power\n", "line 2: power has no release"},
      {"press jump\n", "line 1: unknown action 'jump'"},
      {"wait\n", "line 1: 'wait' takes 1 argument(s)"},
      {"wait -5\n", "line 1: cannot wait a negative time"},
      {"wait 10ms\n", "line 1: bad number '10ms'"},
      {"press fire fire\n", "line 1: 'press' takes 1 argument(s)"},
      {"press power\n\njump\n", "line 3: unknown command 'jump'"},
      {"set Skill 9\n", "line 1: value out of range: 9 (0..4)"},
      {"wait 10\nrng 1 2\n", "line 2: 'rng' needs the virtual clock (vornix-script); use --seed N here"},
      {"key\n", "line 1: 'key' takes one key, like F12 or Ctrl+0"},
      {"key F12 F12\n", "line 1: 'key' takes one key, like F12 or Ctrl+0"},
      {"wait 5\nkey Fnord\n", "line 2: unknown key 'Fnord'"},
  };
  for (const auto& [text, message] : cases) {
    std::vector<std::string> lines;
    std::string error;
    EXPECT_FALSE(read(text, lines, error)) << text;
    EXPECT_EQ(error, message);
  }
}

}  // namespace
}  // namespace vx
