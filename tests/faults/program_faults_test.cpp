// The whole program, headless, on the copied installation for the faults that
// decide whether it runs at all: Config.ini, each skin's Skin.ini and Bonus.wav
// missing end it in order after their message; any other sound file missing, or
// hostile pictures in the skin, and it plays on. Every run is bounded.
#include <gtest/gtest.h>

#include "installation.h"
#include "support/hostile_pictures.h"
#include "support/program_run.h"

namespace vx::test {
namespace {

class ProgramFaults : public Program {
 protected:
  // The launcher is skipped: skin `skin`, sound through SDL (its silent driver).
  void skip_launcher(int skin = 1) {
    store_for_child("Skin=" + std::to_string(skin) + "\nSoundMode=0\nSplashScreen=0\nFullscreenMode=0\n");
  }
  Outcome run_with(const std::string& script) {
    write_text(config / "run.vxs", script);
    return simulator({"--data-dir", QString::fromStdString(installation().string()), "--no-dialogs", "--quit-after",
                      "20000", "--script", QString::fromStdString((config / "run.vxs").string())});
  }
  static constexpr const char* kPlay = "press power\nwait 100\ndump\n";
};

TEST_F(ProgramFaults, WithoutConfigIniItSaysSoAndEnds) {
  MissingFile gone(installed("Config.ini"));
  skip_launcher();
  const Outcome r = run_with(kPlay);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Configuration file (Config.ini) not found. Please reinstall the game.\n"), std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, "") << "the script never started";
}

TEST_F(ProgramFaults, WithoutASkinsDescriptionItSaysWhichAndEnds) {
  const auto folders = bundled_skin_folders();
  for (std::size_t i = 0; i < folders.size(); ++i) {
    SCOPED_TRACE(folders[i]);
    MissingFile gone(installed(folders[i] + "Skin.ini"));
    skip_launcher(static_cast<int>(i + 1));
    const Outcome r = run_with(kPlay);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Skin configuration file (" + folders[i] + "Skin.ini) not found. Please reinstall the skin.\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(ProgramFaults, WithoutBonusTheSoundFolderCountsAsNotInstalled) {
  MissingFile gone(installed("Sound\\Bonus.wav"));
  skip_launcher();
  const Outcome r = run_with(kPlay);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Sound folder unproperly installed. Please reinstall the game.\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  // The next start shows the launcher with no sound output chosen.
  const std::string stored = stored_by_child();
  EXPECT_NE(stored.find("SoundMode=-1"), std::string::npos) << stored;
  EXPECT_NE(stored.find("SplashScreen=1"), std::string::npos) << stored;
}

TEST_F(ProgramFaults, WithoutAnotherSoundFileTheGamePlaysOn) {
  MissingFile gone(installed("Sound\\Tick.wav"));
  skip_launcher();
  const Outcome r = run_with("press power\nwait 50\nset GameMode 2\nset Skill 1\npress start\nwait 100\ndump\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("reinstall"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\"GameMode\":3,"), std::string::npos) << r.out;
}

TEST_F(ProgramFaults, HostilePicturesInTheSkinAreNamedAndTheConsolePlays) {
  const std::string folder = bundled_skin_folders().at(0);
  // Each hostile file in place of one of the screen's cells of rows 7 and up.
  std::vector<std::unique_ptr<ReplacedFile>> replaced;
  std::vector<std::string> named;
  int cell = 0;
  for (const HostilePicture& hostile : hostile_pictures()) {
    const std::string file = "im_enemy_0" + std::to_string(cell % 5 + 1) + "_0" + std::to_string(7 + cell / 5) + ".png";
    ++cell;
    replaced.push_back(std::make_unique<ReplacedFile>(installed(folder + file), hostile.bytes));
    named.push_back(folder + file + ": ");
  }
  skip_launcher();
  const Outcome r = run_with(kPlay);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"GameMode\":1,"), std::string::npos) << r.out;
  for (const std::string& name : named) EXPECT_NE(r.err.find(name), std::string::npos) << name << "\n" << r.err;
}

}  // namespace
}  // namespace vx::test
