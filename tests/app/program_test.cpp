// The real program, run as a process: its command line, the missing
// configuration path before the event loop, a screenshot offscreen, SDL opened
// only once sound starts and the game heard through it, and one smoke test in a
// real X server (where xvfb-run and xdotool exist) that powers the console on and
// looks at what the screen shows.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

#include "platform/picture_file.h"
#include "support/desktop_fixture.h"
#include "support/installation.h"
#include "support/picture_writers.h"
#include "support/program_run.h"

namespace vx::test {
namespace {

TEST_F(Program, HelpAndVersionNeedNoDisplay) {
  const Outcome help = simulator({"--help"}, false);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--data-dir DIR"), std::string::npos);
  const Outcome version = simulator({"--version"}, false);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("vornix-simulator ", 0), 0u);
  const Outcome bad = simulator({"--seed", "many"}, false);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--seed needs a whole number"), std::string::npos);
}

TEST_F(Program, AMissingConfigurationFileEndsTheProgramInOrderBeforeTheLoop) {
  TempDir empty;
  const Outcome r = simulator({"--data-dir", QString::fromStdString(empty.path().string()), "--no-dialogs"});
  EXPECT_EQ(r.status, 1) << "a fault of the installation";
  EXPECT_NE(r.err.find("Configuration file (Config.ini) not found. Please reinstall the game.\n"), std::string::npos)
      << r.err;
  // Creation went on: the keys were written back.
  EXPECT_NE(stored_by_child().find("Key6=42"), std::string::npos);
}

TEST_F(Program, AScreenshotOfTheWindowedConsoleAndWhatItShows) {
  TempDir data;
  write_test_install(data.path(), 1);
  store_for_child("Skin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
  const std::filesystem::path shot = data / "shot.png";
  const Outcome r = simulator({"--data-dir", QString::fromStdString(data.path().string()), "--no-dialogs",
                               "--quit-after", "300", "--screenshot", QString::fromStdString(shot.string())});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string error;
  auto picture = decode_picture_file(shot, error);
  ASSERT_TRUE(picture) << error;
  EXPECT_EQ(picture->width, kTestGameWidth);
  EXPECT_EQ(picture->height, kTestGameHeight);
  EXPECT_EQ(picture->pixel(120, 20) & 0xFFFFFF, test_colour(im_background));
  EXPECT_NE(r.out.find("shown im_background\n"), std::string::npos);
  EXPECT_EQ(r.out.find("shown im_background_screen_on\n"), std::string::npos);  // the console is off
}

// 16-bit samples from `from` (bytes) to the end of a file.
std::vector<std::int16_t> samples_of(const std::filesystem::path& file, std::size_t from = 0) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<std::int16_t> samples(bytes.size() > from ? (bytes.size() - from) / 2 : 0);
  std::copy_n(bytes.data() + from, samples.size() * 2, reinterpret_cast<char*>(samples.data()));
  return samples;
}

// The program does not load SDL2 or SDL2_mixer (and all the mixer brings with it)
// at its start: it opens them when sound starts, and the game is heard through
// them as before: the start button's sound, sample for sample, in the mix SDL's
// disk driver writes.
TEST_F(Program, SdlIsNoPartOfTheStartAndTheGameIsHeardThroughIt) {
  QProcess readelf;
  readelf.start("readelf", {"--dynamic", VORNIX_SIMULATOR});
  ASSERT_TRUE(readelf.waitForFinished(30000));
  const std::string dynamic = readelf.readAllStandardOutput().toStdString();
  ASSERT_NE(dynamic.find("(NEEDED)             Shared library: [libQt6Core.so.6]"), std::string::npos) << dynamic;
  EXPECT_EQ(dynamic.find("libSDL2"), std::string::npos) << dynamic;

  const std::filesystem::path mix = config / "mix.raw";
  more_environment.insert("SDL_AUDIODRIVER", "disk");
  more_environment.insert("SDL_DISKAUDIOFILE", QString::fromStdString(mix.string()));
  store_for_child("Skin=1\nSoundMode=0\nSplashScreen=0\nFullscreenMode=0\n");
  write_text(config / "start.vxs", "press power\nwait 50\nset GameMode 2\nset Skill 1\npress start\nwait 600\n");
  const Outcome r = simulator({"--data-dir", QString::fromStdString(installation().string()), "--no-dialogs",
                               "--script", QString::fromStdString((config / "start.vxs").string())});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("sound:"), std::string::npos) << "no fallback, nothing missing: " << r.err;
  const std::vector<std::int16_t> heard = samples_of(mix);
  const std::vector<std::int16_t> start_button = samples_of(installation() / "Sound" / "StartBtn.wav", 44);
  ASSERT_GE(start_button.size(), 256u);
  ASSERT_NE(*std::max_element(start_button.begin(), start_button.begin() + 256), 0) << "silence would match anywhere";
  EXPECT_NE(std::search(heard.begin(), heard.end(), start_button.begin(), start_button.begin() + 256), heard.end())
      << "the start button's sound is not in the " << heard.size() << " samples mixed";
}

bool on_path(const char* program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

TEST_F(Program, SmokeTestInARealXServer) {
  if (!on_path("xvfb-run") || !on_path("xdotool")) GTEST_SKIP() << "xvfb-run or xdotool is not installed";
  TempDir data;
  write_test_install(data.path(), 1);
  store_for_child("Skin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
  const std::filesystem::path shot = data / "shot.png";
  // Power on with the '1' key through the X server, then let the console run.
  const std::string script = std::string("\"") + VORNIX_SIMULATOR + "\" --data-dir '" + data.path().string() +
                             "' --no-dialogs --quit-after 4000 --screenshot '" + shot.string() +
                             "' & "
                             "w=$(xdotool search --sync --onlyvisible --name 'Vornix' | head -n 1); "
                             "xdotool windowfocus --sync \"$w\" key 1; wait $!";
  QProcessEnvironment env = environment(true);
  env.remove("QT_QPA_PLATFORM");
  QProcess p;
  p.setProcessEnvironment(env);
  p.start("xvfb-run", {"-a", "-s", "-screen 0 800x600x24", "sh", "-c", QString::fromStdString(script)});
  ASSERT_TRUE(p.waitForFinished(60000));
  const std::string out = p.readAllStandardOutput().toStdString();
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

  std::string error;
  auto picture = decode_picture_file(shot, error);
  ASSERT_TRUE(picture) << error;
  ASSERT_EQ(picture->width, kTestGameWidth);
  std::set<std::string> shown;
  for (std::istringstream lines(out); std::getline(lines, error);)
    if (error.rfind("shown ", 0) == 0) shown.insert(error.substr(6));
  // Powered on by the key: the lit screen and the switch.
  EXPECT_TRUE(shown.count("btn_power_on"));
  EXPECT_TRUE(shown.count("im_background_screen_on"));
  // Every cell of the screen shows its lit picture exactly when the core says it is lit.
  auto colour_at = [&](ElementId id) {
    const Box b = test_box(id);
    return picture->pixel(b.left + 2, b.top + 2) & 0xFFFFFF;
  };
  for (int col = 1; col <= 5; ++col)
    for (int row = 1; row <= 9; ++row) {
      const ElementId cell = el_enemy(col, row);
      const bool lit = shown.count(std::string(element_name(cell))) > 0;
      EXPECT_EQ(colour_at(cell) == test_colour(cell), lit) << element_name(cell);
    }
  EXPECT_EQ(colour_at(btn_power_on), test_colour(btn_power_on));
  // The window is shaped: its corners show what lies behind, not the key colour.
  EXPECT_NE(picture->pixel(1, 1) & 0xFFFFFF, kTestKeyColour);
}

}  // namespace
}  // namespace vx::test
