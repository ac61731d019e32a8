// Hostile pictures in the installation (files that declare huge sizes, demand
// thousands of scans, or stop halfway): each is refused, the red square stands in
// and standard error names the file, as an element picture, as the full-screen
// backdrop, as the launcher's preview and as a page of the manual. How fast they
// are refused is measured by the benchmark, not here.
#include <gtest/gtest.h>

#include <QComboBox>
#include <sstream>

#include "display/console_window.h"
#include "frontend/manual_loader.h"
#include "frontend/picture_label.h"
#include "frontend/splash_form.h"
#include "installation.h"
#include "platform/ini_file.h"
#include "platform/picture_file.h"
#include "platform/termination.h"
#include "support/hostile_pictures.h"

namespace vx::test {
namespace {

const std::string& skin_folder() {
  static const std::string folder = bundled_skin_folders().at(0);
  return folder;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(HostilePictures, EachKindIsRefusedForItsOwnFault) {
  for (const HostilePicture& hostile : hostile_pictures()) {
    std::string error;
    EXPECT_FALSE(decode_picture(hostile.bytes, error)) << hostile.what;
    EXPECT_NE(error.find(hostile.fault), std::string::npos) << hostile.what << ": " << error;
  }
  // The small file that claims a huge picture is small indeed.
  EXPECT_LT(hostile_pictures().front().bytes.size(), 400u);
}

TEST(HostilePictures, AsElementPicturesEachGetsTheRedSquareAndOneLineNamingIt) {
  set_termination_hook({});
  IniFile ini;
  ASSERT_TRUE(ini.load(installed(skin_folder() + "Skin.ini")));
  // Each hostile file takes the place of a different element's picture.
  const auto hostile = hostile_pictures();
  std::vector<std::unique_ptr<ReplacedFile>> replaced;
  std::vector<std::pair<ElementId, std::string>> targets;
  for (int n = 1; n <= kSkinElementCount && targets.size() < hostile.size(); n += 7) {
    const std::string file = ini.read_text("Image" + std::to_string(n), "Filename", "");
    bool taken = false;
    for (const auto& t : targets) taken = taken || t.second == file;
    if (file.empty() || taken) continue;
    replaced.push_back(std::make_unique<ReplacedFile>(installed(skin_folder() + file), hostile[targets.size()].bytes));
    targets.emplace_back(n - 1, file);
  }
  ASSERT_EQ(targets.size(), hostile.size());

  SpriteBoard board;
  testing::internal::CaptureStderr();
  EXPECT_TRUE(load_installed_skin(skin_folder(), false, board));
  const auto said = lines_of(testing::internal::GetCapturedStderr());
  EXPECT_EQ(said.size(), hostile.size());
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const auto& [id, file] = targets[i];
    EXPECT_EQ(board[id].picture, placeholder_picture()) << hostile[i].what;
    const std::string named = skin_folder() + file + ": ";
    int lines = 0;
    for (const std::string& line : said) lines += line.rfind(named, 0) == 0;
    EXPECT_EQ(lines, 1) << hostile[i].what << " as " << named;
  }
  EXPECT_FALSE(termination_requested());
}

TEST(HostilePictures, AsTheBackdropItIsNotShownAndNamed) {
  IniFile ini;
  ASSERT_TRUE(ini.load(installed(skin_folder() + "Skin.ini")));
  const std::string backdrop = ini.read_text("Fullscreen", "BackdropFile", "nil");
  ASSERT_NE(backdrop, "nil");
  for (const HostilePicture& hostile : hostile_pictures()) {
    ReplacedFile replaced(installed(skin_folder() + backdrop), hostile.bytes);
    SpriteBoard board;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(load_installed_skin(skin_folder(), true, board));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(board[im_backdrop].visible) << hostile.what;
    EXPECT_EQ(said.rfind(skin_folder() + backdrop + ": ", 0), 0u) << hostile.what << ": " << said;
  }
}

TEST(HostilePictures, AsThePreviewTheLauncherShowsTheRedSquareAndNamesIt) {
  for (const HostilePicture& hostile : hostile_pictures()) {
    ReplacedFile replaced(installed(skin_folder() + "SkinPreview.png"), hostile.bytes);
    testing::internal::CaptureStderr();
    TForm1 form1({installation(), 1});
    TSplashForm launcher(form1);
    launcher.cb_skin->setCurrentIndex(0);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(launcher.im_skin_preview->pixmap().size(), QSize(10, 10)) << hostile.what;
    EXPECT_EQ(launcher.im_skin_preview->pixmap().toImage().pixel(4, 4), qRgb(255, 0, 0)) << hostile.what;
    EXPECT_NE(said.find(skin_folder() + "SkinPreview.png: "), std::string::npos) << hostile.what << ": " << said;
  }
}

TEST(HostilePictures, AsAManualPageThatPageGetsTheRedSquareAndIsNamed) {
  IniFile config;
  ASSERT_TRUE(config.load(installed("Config.ini")));
  const ManualConfig manual = read_manual_config(config);
  const std::string page = manual_page_file(manual, 3);
  for (const HostilePicture& hostile : hostile_pictures()) {
    ReplacedFile replaced(installed(page), hostile.bytes);
    testing::internal::CaptureStderr();
    const ManualSetup setup = load_manual(manual, installation());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(setup.pages[3], placeholder_picture()) << hostile.what;
    EXPECT_NE(setup.pages[2], placeholder_picture()) << hostile.what;
    EXPECT_NE(said.find(page + ": "), std::string::npos) << hostile.what << ": " << said;
  }
}

}  // namespace
}  // namespace vx::test
