// Hostile pictures in the installation (files that declare huge sizes, demand
// thousands of scans, or stop halfway): each is refused, the red square stands in
// and standard error names the file, as an element picture, as the full-screen
// backdrop, as the launcher's preview and as a page of the manual. How fast they
// are refused is measured by the benchmark, not here.
#include "support/hostile_pictures.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <sstream>

#include "display/console_window.h"
#include "frontend/manual_loader.h"
#include "frontend/picture_label.h"
#include "frontend/splash_form.h"
#include "platform/ini_file.h"
#include "platform/picture_file.h"
#include "platform/termination.h"
#include "support/installation.h"

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

// The pictures of one skin together may not pass kMaxSkinPixels: one that would is
// refused before it is decoded, gets the red square and a line naming the file
// and the limit. Ten elements naming one picture through links that declares
// 6000 x 6000, and two elements with 3000 x 3000 each (the first fits, the second
// would pass the limit).
TEST(HostilePictures, PicturesPastTheSkinsPixelsAreRedSquaresWithALineNamingTheLimit) {
  namespace fs = std::filesystem;
  set_termination_hook({});
  IniFile ini;
  ASSERT_TRUE(ini.load(installed(skin_folder() + "Skin.ini")));
  const auto file_of = [&](ElementId id) { return ini.read_text("Image" + std::to_string(id + 1), "Filename", ""); };
  const fs::path big = installation() / "big.png", wide = installation() / "wide.png";
  write_file(big, png_declaring(6000, 6000));
  write_file(wide, encode_png(solid_picture(3000, 3000, 0xFF204060)));
  std::vector<std::unique_ptr<MissingFile>> kept;
  auto link = [&](ElementId id, const fs::path& to, bool hard) {
    const fs::path file = installed(skin_folder() + file_of(id));
    kept.push_back(std::make_unique<MissingFile>(file));
    hard ? fs::create_hard_link(to, file) : fs::create_symlink(to, file);
  };
  std::vector<ElementId> refused;
  for (int c = 1; c <= 5; ++c)
    for (int r : {9, 8}) {
      link(el_fire(c, r), big, false);
      refused.push_back(el_fire(c, r));
    }
  const ElementId fits = el_enemy(1, 9), passes = el_enemy(2, 9);
  link(fits, wide, true);
  link(passes, wide, true);
  refused.push_back(passes);

  SpriteBoard board;
  testing::internal::CaptureStderr();
  EXPECT_TRUE(load_installed_skin(skin_folder(), false, board));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(board[fits].picture->width, 3000);
  for (const ElementId id : refused) {
    SCOPED_TRACE(element_name(id));
    EXPECT_EQ(board[id].picture, placeholder_picture());
    const std::string line = skin_folder() + file_of(id) + ": the picture declares ";
    const auto at = said.find(line);
    ASSERT_NE(at, std::string::npos) << said;
    EXPECT_NE(
        said.substr(at, said.find('\n', at) - at).find("of the 16777216 that a skin's pictures may have together"),
        std::string::npos)
        << said;
  }
  EXPECT_EQ(lines_of(said).size(), refused.size());
  EXPECT_FALSE(termination_requested());
  kept.clear();  // the pictures go back over the links
  fs::remove(big);
  fs::remove(wide);
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
    EXPECT_EQ(setup.page(3), placeholder_picture()) << hostile.what;
    EXPECT_NE(setup.page(2), placeholder_picture()) << hostile.what;
    EXPECT_NE(said.find(page + ": "), std::string::npos) << hostile.what << ": " << said;
  }
}

}  // namespace
}  // namespace vx::test
