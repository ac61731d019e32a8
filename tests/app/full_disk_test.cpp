// A disk that is full (no file may grow beyond a few kilobytes): the programs'
// outputs (a composed skin, a screenshot, a rendered sound) are written whole or
// not at all, so the file each would replace keeps what it held and nothing else
// is left beside it; a settings store that cannot be saved is said once, also
// when a damaged line was read from it and in a portable installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/installation.h"
#include "support/program_run.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

std::string text_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FullDisk : public Program {
 protected:
  TempDir work;
  QString data() const { return QString::fromStdString(installation().string()); }
  static QString q(const fs::path& p) { return QString::fromStdString(p.string()); }
};

TEST_F(FullDisk, AnOutputThatCannotBeWrittenWholeLeavesTheFileItWouldReplace) {
  const fs::path events = work / "events.sounds";
  write_text(events, "{\"sounds\":[{\"t\":0,\"play\":\"Fire\"},{\"t\":200,\"play\":\"Hit\"}]}\n");
  store_for_child("Skin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
  const std::string skin = (installation() / "Graphics" / "Skin1").string();
  struct Case {
    std::string what;
    QString program;
    std::function<QStringList(const fs::path& target)> args;
  };
  const Case cases[] = {
      {"make-assets --compose", MAKE_ASSETS,
       [&](const fs::path& t) { return QStringList{"--compose", q(skin), "--state", "demo", "--out", q(t)}; }},
      {"vornix-simulator --screenshot", VORNIX_SIMULATOR,
       [&](const fs::path& t) {
         return QStringList{"--data-dir", data(), "--no-dialogs", "--quit-after", "300", "--screenshot", q(t)};
       }},
      {"vornix-sound-replay --wav", VORNIX_SOUND_REPLAY,
       [&](const fs::path& t) {
         return QStringList{"--data-dir", data(), "--wav", q(t), q(events)};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = work / "out";
    fs::create_directory(folder);
    const fs::path target = folder / "result";
    write_text(target, "what was there before\n");
    disk_room = 4096;
    const Outcome full = run(c.program, c.args(target));
    EXPECT_NE(full.status, 0) << full.err;
    EXPECT_NE(full.err.find("result"), std::string::npos) << "the output is named: " << full.err;
    EXPECT_EQ(text_of(target), "what was there before\n");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"result"}) << "nothing half-written is left";
    // With room on the disk the same command replaces the file.
    disk_room.reset();
    const Outcome room = run(c.program, c.args(target));
    EXPECT_EQ(room.status, 0) << room.err;
    EXPECT_GT(fs::file_size(target), 4096u);
    EXPECT_EQ(entries(folder), std::vector<std::string>{"result"});
    fs::remove_all(folder);
  }
}

TEST_F(FullDisk, SettingsThatCannotBeSavedAreSaidOnceEvenAfterADamagedLine) {
  const fs::path portable = installation() / "Vornix50.ini";
  for (const bool is_portable : {false, true}) {
    SCOPED_TRACE(is_portable ? "portable" : "the user's store");
    const std::string stored = "[General]\nSkin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n[Broken\n";
    if (is_portable)
      write_text(portable, stored);
    else
      store_for_child(stored.substr(std::string("[General]\n").size()));
    disk_room = 16;
    QStringList args{"--data-dir", data(), "--no-dialogs", "--quit-after", "200"};
    if (is_portable) args << "--portable";
    const Outcome r = simulator(args);
    EXPECT_EQ(r.status, 0) << "play goes on: " << r.err;
    const std::string said = "the settings could not be saved; play goes on\n";
    std::size_t count = 0;
    for (std::size_t at = r.err.find(said); at != std::string::npos; at = r.err.find(said, at + 1)) ++count;
    EXPECT_EQ(count, 1u) << r.err;
    EXPECT_NE(r.err.find((is_portable ? "Vornix50.ini: " : "Vornix50.conf: ") + said), std::string::npos) << r.err;
    fs::remove(portable);
  }
}

}  // namespace
}  // namespace vx::test
