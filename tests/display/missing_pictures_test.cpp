// Every picture of the installation missing in turn, in the process: each element
// picture of each bundled skin (the red square stands in, silently), the
// full-screen backdrop and logo (not shown), each skin's preview (the launcher
// shows none), each page of the manual (the red square, silently) and the forms'
// own pictures (the red square stands in, and the file is named on standard error).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSettings>
#include <map>
#include <set>

#include "display/console_window.h"
#include "frontend/manual_loader.h"
#include "frontend/picture_label.h"
#include "frontend/project_links.h"
#include "frontend/secondary_forms.h"
#include "frontend/splash_form.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "support/installation.h"

namespace vx::test {
namespace {

class MissingPictures : public testing::Test {
 protected:
  std::vector<std::string> messages;
  MissingPictures() {
    set_error_box([this](std::string_view text) { messages.emplace_back(text); });
    set_termination_hook({});
  }
  ~MissingPictures() override { set_error_box({}); }
};

// The element pictures a skin names: file as configured -> the elements showing it.
std::map<std::string, std::vector<ElementId>> element_files(const std::string& folder) {
  IniFile ini;
  EXPECT_TRUE(ini.load(installed(folder + "Skin.ini")));
  std::map<std::string, std::vector<ElementId>> files;
  for (int n = 1; n <= kSkinElementCount; ++n) {
    const std::string file = ini.read_text("Image" + std::to_string(n), "Filename", "");
    if (!file.empty() && file != "nil") files[file].push_back(n - 1);
  }
  return files;
}

// One skin a case, so the skins run side by side.
class EachElementPicture : public MissingPictures, public testing::WithParamInterface<std::string> {};

TEST_P(EachElementPicture, MissingInTurnGivesTheRedSquareAndNothingElse) {
  const std::string& folder = GetParam();
  const auto files = element_files(folder);
  ASSERT_GE(files.size(), 100u) << folder << " names its pictures";
  SpriteBoard whole;
  ASSERT_TRUE(load_installed_skin(folder, false, whole));
  for (const auto& [file, shown_by] : files) {
    SCOPED_TRACE(folder + file);
    MissingFile gone(installed(folder + file));
    SpriteBoard board;
    testing::internal::CaptureStderr();
    const bool loaded = load_installed_skin(folder, false, board);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a missing picture is not reported";
    ASSERT_TRUE(loaded);
    const std::set<ElementId> affected(shown_by.begin(), shown_by.end());
    for (ElementId id = 0; id < kSkinElementCount; ++id) {
      if (affected.count(id)) {
        EXPECT_EQ(board[id].picture, placeholder_picture()) << element_name(id);
      } else {
        ASSERT_TRUE(board[id].picture) << element_name(id);
        EXPECT_EQ(board[id].picture->label, whole[id].picture->label) << element_name(id);
      }
    }
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(termination_requested());
}

INSTANTIATE_TEST_SUITE_P(BundledSkins, EachElementPicture, testing::ValuesIn(bundled_skin_folders()),
                         [](const auto& info) { return "Skin" + std::to_string(info.index + 1); });

TEST_F(MissingPictures, WithoutItsBackdropOrLogoTheFullScreenConsoleShowsNeither) {
  for (const std::string& folder : bundled_skin_folders()) {
    IniFile ini;
    ASSERT_TRUE(ini.load(installed(folder + "Skin.ini")));
    for (const auto& [key, element] : {std::pair{"BackdropFile", im_backdrop}, {"LogoFile", im_backdrop_logo}}) {
      const std::string file = ini.read_text("Fullscreen", key, "nil");
      if (file == "nil" || file.empty()) continue;
      SCOPED_TRACE(folder + file);
      SpriteBoard whole;
      ASSERT_TRUE(load_installed_skin(folder, true, whole));
      EXPECT_TRUE(whole[element].visible);
      MissingFile gone(installed(folder + file));
      SpriteBoard board;
      ASSERT_TRUE(load_installed_skin(folder, true, board));
      EXPECT_FALSE(board[element].visible);
      EXPECT_FALSE(board[element].picture);
    }
  }
  EXPECT_TRUE(messages.empty());
}

// The console window, the secondary forms and the launcher as start-up creates
// them; the launcher shows itself (nothing stored), skin 1 selected.
struct StartUp {
  TForm1 form1{{installation(), 1}};
  SecondaryForms forms = create_secondary_forms(form1);
  TSplashForm launcher{form1};
};

TEST_F(MissingPictures, WithoutAPreviewTheLauncherShowsNoneForThatSkin) {
  const auto folders = bundled_skin_folders();
  for (std::size_t i = 0; i < folders.size(); ++i) {
    SCOPED_TRACE(folders[i]);
    MissingFile gone(installed(folders[i] + "SkinPreview.png"));
    StartUp start;
    for (std::size_t shown = 0; shown < folders.size(); ++shown) {
      start.launcher.cb_skin->setCurrentIndex(static_cast<int>(shown));
      EXPECT_EQ(start.launcher.im_skin_preview->pixmap().isNull(), shown == i) << "skin " << shown + 1;
    }
  }
  EXPECT_TRUE(messages.empty());
}

// A launcher that skips itself only checks its pictures: it names a missing one all
// the same.
TEST_F(MissingPictures, EachPictureOfTheFormsInTurnIsNamedAndReplaced) {
  namespace fs = std::filesystem;
  for (const bool skipped : {false, true}) {
    SCOPED_TRACE(skipped ? "the launcher skips itself" : "the launcher shows itself");
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50");
    stored.clear();
    if (skipped) {
      stored.setValue("Skin", "1");
      stored.setValue("SoundMode", "2");
      stored.setValue("SplashScreen", "0");
    }
    stored.sync();
    for (const char* form : {"TSplashForm", "TForm1", "TAboutForm", "TManualForm"}) {
      for (const auto& entry : fs::directory_iterator(installed(std::string("Graphics\\Forms\\") + form))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        MissingFile gone(entry.path());
        testing::internal::CaptureStderr();
        {
          StartUp start;
          EXPECT_EQ(start.launcher.skipped(), skipped);
        }
        const std::string said = testing::internal::GetCapturedStderr();
        // The donation button shows one of its two pictures, by whether there is an address.
        if (name == (kDonationLink.address.empty() ? "btn_paypal.png" : "btn_paypal_disabled.png")) {
          EXPECT_EQ(said, "");
          continue;
        }
        EXPECT_NE(said.find(name + ": cannot be read"), std::string::npos) << said;
        EXPECT_NE(said.find("a red square stands in"), std::string::npos) << said;
      }
    }
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(MissingPictures, EachManualPageInTurnGivesThatPageTheRedSquareSilently) {
  IniFile config;
  ASSERT_TRUE(config.load(installed("Config.ini")));
  const ManualConfig manual = read_manual_config(config);
  const ManualSetup whole = load_manual(manual, installation());
  for (int gone = 1; gone <= 6; ++gone) {
    SCOPED_TRACE(manual_page_file(manual, gone));
    MissingFile missing(installed(manual_page_file(manual, gone)));
    testing::internal::CaptureStderr();
    const ManualSetup setup = load_manual(manual, installation());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a missing page is not reported";
    for (int page = 1; page <= 6; ++page) {
      ASSERT_TRUE(setup.page(page));
      if (page == gone)
        EXPECT_EQ(setup.page(page), placeholder_picture());
      else
        EXPECT_EQ(setup.page(page)->label, whole.page(page)->label) << "page " << page;
    }
  }
}

}  // namespace
}  // namespace vx::test
