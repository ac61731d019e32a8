// The whole program, headless, on the copied installation for the faults that
// decide whether it runs at all: Config.ini and each skin's Skin.ini missing, not
// files, unreadable, not text, describing no skin or passing the skin's limits,
// the sound folder without its Bonus sample, and SDL2_mixer that cannot be
// loaded. Each is said with the file it concerns and ends the program with status
// 1, before a script runs and without a screenshot. Any other sound file missing,
// or hostile pictures in the skin, and it plays on. Every run is bounded.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "support/hostile_pictures.h"
#include "support/installation.h"
#include "support/program_run.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

class ProgramFaults : public Program {
 protected:
  // The launcher is skipped: skin `skin`, sound through SDL (its silent driver).
  void skip_launcher(int skin = 1, bool fullscreen = false) {
    store_for_child("Skin=" + std::to_string(skin) +
                    "\nSoundMode=0\nSplashScreen=0\nFullscreenMode=" + (fullscreen ? "1" : "0") + "\n");
  }
  Outcome run_with(const std::string& script, const QStringList& more = {}) {
    write_text(config / "run.vxs", script);
    return simulator(QStringList{"--data-dir", QString::fromStdString(installation().string()), "--no-dialogs",
                                 "--quit-after", "20000", "--script",
                                 QString::fromStdString((config / "run.vxs").string())} +
                     more);
  }
  static constexpr const char* kPlay = "press power\nwait 100\ndump\n";
};

// Something else in place of a file of the installation, for as long as it lives.
class Replaced {
 public:
  using Make = std::function<void(const fs::path&)>;
  Replaced(const fs::path& file, const Make& make) : gone_(file), file_(file) { make(file_); }
  ~Replaced() {
    std::error_code ec;
    fs::remove_all(file_, ec);
  }

 private:
  MissingFile gone_;
  fs::path file_;
};

std::string text_of(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The installed skin's description with `key=value` in place of the first line of
// that key (after the section `after`, when given).
Replaced::Make edited(const std::string& skin_ini, const std::string& key, const std::string& value,
                      const std::string& after = "") {
  return [=](const fs::path& file) {
    std::string text = skin_ini;
    const std::size_t from = text.find("\n" + key + "=", after.empty() ? 0 : text.find(after));
    text.replace(from + 1, text.find('\n', from + 1) - from - 1, key + "=" + value);
    write_text(file, text);
  };
}

TEST_F(ProgramFaults, EachFatalFaultOfTheInstallationIsSaidAndEndsTheProgramWithStatusOne) {
  const std::string skin = bundled_skin_folders().at(0);
  const std::string skin_ini = text_of(installed(skin + "Skin.ini"));
  const Replaced::Make folder = [](const fs::path& f) { fs::create_directory(f); };
  const Replaced::Make pipe = [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); };
  const Replaced::Make loop = [](const fs::path& f) { fs::create_symlink(f.filename(), f); };  // ELOOP
  const Replaced::Make nothing = [](const fs::path&) {};
  const auto bytes = [](std::string b) { return [b](const fs::path& f) { write_text(f, b); }; };
  const std::string config = "Configuration file (Config.ini) ", game = ". Please reinstall the game.";
  const std::string description = "Skin configuration file (" + skin + "Skin.ini) ",
                    reinstall = ". Please reinstall the skin.";
  const std::string binary("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10);
  struct Case {
    std::string what, file;  // the file as configured
    Replaced::Make make;
    std::string message;
    bool fullscreen = false;
  };
  const Case cases[] = {
      {"Config.ini missing", "Config.ini", nothing, config + "not found" + game},
      {"Config.ini a folder", "Config.ini", folder, config + "is not a file" + game},
      {"Config.ini a pipe", "Config.ini", pipe, config + "is not a file" + game},
      {"Config.ini unreadable", "Config.ini", loop,
       config + "cannot be read (Too many levels of symbolic links)" + game},
      {"Config.ini binary", "Config.ini", bytes(binary), config + "is not a text file" + game},
      {"Skin.ini missing", skin + "Skin.ini", nothing, description + "not found" + reinstall},
      {"Skin.ini a folder", skin + "Skin.ini", folder, description + "is not a file" + reinstall},
      {"Skin.ini a pipe", skin + "Skin.ini", pipe, description + "is not a file" + reinstall},
      {"Skin.ini unreadable", skin + "Skin.ini", loop,
       description + "cannot be read (Too many levels of symbolic links)" + reinstall},
      {"Skin.ini empty", skin + "Skin.ini", bytes(""), description + "is empty" + reinstall},
      {"Skin.ini binary", skin + "Skin.ini", bytes(binary), description + "is not a text file" + reinstall},
      {"Skin.ini without a skin", skin + "Skin.ini", bytes("hello\n"), description + "describes no skin" + reinstall},
      {"a console 100000 wide", skin + "Skin.ini", edited(skin_ini, "GameWidth", "100000"),
       description + "has [Common] GameWidth 100000, outside 1..8192" + reinstall},
      {"a console 2147483647 high", skin + "Skin.ini", edited(skin_ini, "GameHeight", "2147483647"),
       description + "has [Common] GameHeight 2147483647, outside 1..8192" + reinstall},
      {"a console -2147483648 high", skin + "Skin.ini", edited(skin_ini, "GameHeight", "-2147483648"),
       description + "has [Common] GameHeight -2147483648, outside 1..8192" + reinstall, true},
      {"a console of 8192 x 8192", skin + "Skin.ini",
       [&](const fs::path& f) {
         edited(skin_ini, "GameWidth", "8192")(f);
         edited(text_of(f), "GameHeight", "8192")(f);
       },
       description +
           "has a console area of 8192 x 8192 pixels, more than a console may have (8192 a side, 16777216 in all)" +
           reinstall},
      {"an element at 2147483647", skin + "Skin.ini", edited(skin_ini, "Left", "2147483647", "[Image1]"),
       description + "has [Image1] Left 2147483647, outside -8192..8192" + reinstall, true},
      {"an offset of 2147483647", skin + "Skin.ini", edited(skin_ini, "GameOffsetX", "2147483647"),
       description + "has [Fullscreen] GameOffsetX 2147483647, outside -8192..8192" + reinstall, true},
      {"no Sound folder", "Sound", nothing, "Sound folder unproperly installed. Please reinstall the game."},
      {"Bonus.wav a pipe", "Sound\\Bonus.wav", pipe, "Sound folder unproperly installed. Please reinstall the game."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Replaced fault(installed(c.file), c.make);
    skip_launcher(1, c.fullscreen);
    const fs::path shot = this->config / "shot.png";
    const Outcome r = run_with(kPlay, {"--screenshot", QString::fromStdString(shot.string())});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(c.message + "\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "the script never started";
    EXPECT_FALSE(fs::exists(shot)) << "no screenshot";
  }
}

TEST_F(ProgramFaults, WithoutBonusTheSoundFolderCountsAsNotInstalled) {
  MissingFile gone(installed("Sound\\Bonus.wav"));
  skip_launcher();
  const Outcome r = run_with(kPlay);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Sound folder unproperly installed. Please reinstall the game.\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  // The next start shows the launcher with no sound output chosen.
  const std::string stored = stored_by_child();
  EXPECT_NE(stored.find("SoundMode=-1"), std::string::npos) << stored;
  EXPECT_NE(stored.find("SplashScreen=1"), std::string::npos) << stored;
}

// SDL2_mixer found under its name but no library, or without the mixer's
// functions (found first through LD_LIBRARY_PATH): sound fails as a sound folder
// without Bonus does, after one line naming the library.
TEST_F(ProgramFaults, ASoundLibraryThatCannotBeLoadedIsNamedAndFailsLikeTheSoundFolder) {
  TempDir not_a_library;
  write_text(not_a_library / "libSDL2_mixer-2.0.so.0", std::string(20, '-') + " not a library but text " +
                                                           std::string(60, '-') + "\n");
  struct Case {
    const char* what;
    std::string folder;
    const char* fault;
  };
  const Case cases[] = {
      {"not a library", not_a_library.path().string(), "invalid ELF header"},
      {"without the mixer's functions", NOT_SDL_MIXER_DIR, "undefined symbol: Mix_"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    skip_launcher();
    more_environment.insert("LD_LIBRARY_PATH", QString::fromStdString(c.folder));
    const Outcome r = run_with(kPlay);
    EXPECT_EQ(r.status, 1);
    const std::string library_line = "sound: the sound library cannot be loaded (" + c.folder +
                                     "/libSDL2_mixer-2.0.so.0: ";
    const std::size_t at = r.err.find(library_line);
    ASSERT_NE(at, std::string::npos) << r.err;
    const std::string line = r.err.substr(at, r.err.find('\n', at) - at);
    EXPECT_NE(line.find(c.fault), std::string::npos) << line;
    EXPECT_EQ(r.err.find("sound:", at + 1), std::string::npos) << "said once: " << r.err;
    EXPECT_NE(r.err.find("Sound folder unproperly installed. Please reinstall the game.\n", at), std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "") << "the console never played";
    const std::string stored = stored_by_child();
    EXPECT_NE(stored.find("SoundMode=-1"), std::string::npos) << stored;
    EXPECT_NE(stored.find("SplashScreen=1"), std::string::npos) << stored;
  }
}

// SDL2 itself no library, with "(no sound)": the game plays, and the pads, which
// open SDL2 at their first poll, stay idle and say so once.
TEST_F(ProgramFaults, WithoutSdlThePadsStayIdleAndSaySoOnceAndTheGamePlays) {
  TempDir not_a_library;
  write_text(not_a_library / "libSDL2-2.0.so.0", std::string(100, '-') + "\n");
  store_for_child("Skin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
  more_environment.insert("LD_LIBRARY_PATH", QString::fromStdString(not_a_library.path().string()));
  const Outcome r = run_with("press power\nwait 800\ndump\n");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string line = "vornix-simulator: gamepads cannot be used: " + not_a_library.path().string() +
                           "/libSDL2-2.0.so.0: invalid ELF header\n";
  const std::size_t at = r.err.find(line);
  ASSERT_NE(at, std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("gamepads", at + line.size()), std::string::npos) << "said once: " << r.err;
  EXPECT_NE(r.out.find("\"GameMode\":1,"), std::string::npos) << r.out;
}

TEST_F(ProgramFaults, WithoutAnotherSoundFileTheGamePlaysOn) {
  MissingFile gone(installed("Sound\\Tick.wav"));
  skip_launcher();
  const Outcome r = run_with("press power\nwait 50\nset GameMode 2\nset Skill 1\npress start\nwait 100\ndump\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("reinstall"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\"GameMode\":3,"), std::string::npos) << r.out;
}

// Play loads the skin while sound starts on its own thread, but says the skin's
// lines only once sound has started: after sound's own line, and never when the
// sound start-up fails and ends the program.
TEST_F(ProgramFaults, TheSkinsLinesComeAfterSoundHasStartedOrNotAtAll) {
  const std::string folder = bundled_skin_folders().at(0);
  ReplacedFile broken(installed(folder + "btn_power_top.png"), {'n', 'o', 't'});
  const std::string picture_line = folder + "btn_power_top.png: not a PNG, JPEG or BMP picture\n";
  skip_launcher();
  more_environment.insert("SDL_AUDIODRIVER", "no-such-driver");
  Outcome r = run_with(kPlay);
  EXPECT_EQ(r.status, 0) << r.err;
  const std::size_t sound_at = r.err.find("sound: no sound device could be opened");
  ASSERT_NE(sound_at, std::string::npos) << r.err;
  EXPECT_NE(r.err.find(picture_line, sound_at), std::string::npos) << r.err;

  more_environment.clear();
  MissingFile bonus(installed("Sound\\Bonus.wav"));
  skip_launcher();
  r = run_with(kPlay);
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find("Sound folder unproperly installed."), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("btn_power_top"), std::string::npos) << r.err;
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
