// Reading --script files: the lines the desktop program plays, and a clear
// message naming the line for everything else.
#include "app/script_player.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx {
namespace {

std::optional<std::vector<ScriptStep>> read(const std::string& text, std::string& error) {
  std::istringstream in(text);
  return read_script(in, error);
}

TEST(ScriptFile, PressReleaseAndWaitInOrderCommentsIgnored) {
  std::string error;
  const auto steps = read("# the demonstration\npress power  # on\n\nwait 3301\npress fire\nrelease fire\n", error);
  ASSERT_TRUE(steps) << error;
  ASSERT_EQ(steps->size(), 4u);
  EXPECT_EQ((*steps)[0].kind, ScriptStep::Press);
  EXPECT_EQ((*steps)[0].action, ActPower);
  EXPECT_EQ((*steps)[1].kind, ScriptStep::Wait);
  EXPECT_EQ((*steps)[1].ms, 3301);
  EXPECT_EQ((*steps)[2].action, ActFire);
  EXPECT_EQ((*steps)[3].kind, ScriptStep::Release);
}

TEST(ScriptFile, EachFaultNamesItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"press power\nrelease power\n", "line 2: power has no release"},
      {"press jump\n", "line 1: unknown action 'jump'"},
      {"wait\n", "line 1: wait needs a number of milliseconds, not ''"},
      {"wait -5\n", "line 1: wait needs a number of milliseconds, not '-5'"},
      {"wait 10ms\n", "line 1: wait needs a number of milliseconds, not '10ms'"},
      {"press fire fire\n", "line 1: 'press' takes one value"},
      {"press power\n\ndump\n", "line 3: 'dump' does not run in the desktop program (press, release and wait do)"},
  };
  for (const auto& [text, message] : cases) {
    std::string error;
    EXPECT_FALSE(read(text, error)) << text;
    EXPECT_EQ(error, message);
  }
}

}  // namespace
}  // namespace vx
