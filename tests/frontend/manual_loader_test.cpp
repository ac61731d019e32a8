// Loading the manual from a real Config.ini and real page files.
#include "frontend/manual_loader.h"

#include <gtest/gtest.h>

#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx::test {
namespace {

struct ManualFiles : testing::Test {
  TempDir dir;
  void page(const char* name, std::uint32_t colour, int w = 30, int h = 20) {
    write_file(dir / name, encode_bmp(solid_picture(w, h, colour)));
  }
  std::unique_ptr<TManualForm> create(const std::string& ini) {
    write_text(dir / "Config.ini", ini);
    return create_manual_form(dir / "Config.ini");
  }
};

TEST_F(ManualFiles, PagesComeFromTheConfiguredFolderAndTheSizeFromTheKeys) {
  std::filesystem::create_directories(dir / "Book/Pages");
  for (int n = 1; n <= 6; ++n)
    if (n != 3) page(("Book/Pages/" + std::to_string(n) + ".bmp").c_str(), 0xFF000000u | (n * 0x20u));
  // Written as on Windows: another case, backslashes, no closing delimiter.
  auto form = create("[manual]\nmanualdir=book\\pages\nManualWidth=600\nManualHeight=800\n");
  EXPECT_EQ(form->size(), QSize(600, 800));
  EXPECT_FALSE(form->isVisible());
  form->show();
  EXPECT_EQ(form->page_shown()->width, 30);
  EXPECT_EQ(form->page_shown()->pixel(0, 0), 0xFF000020u);
  form->ManualPage = 3;
  form->Vid_Show_Page();
  EXPECT_EQ(form->page_shown(), placeholder_picture());
  form->ManualPage = 6;
  form->Vid_Show_Page();
  EXPECT_EQ(form->page_shown()->pixel(29, 19), 0xFF0000C0u);
}

TEST_F(ManualFiles, TheButtonPicturesComeWithTheFormsDesign) {
  write_file(dir / "Graphics/Forms/TManualForm/btn_close_up.png", encode_png(solid_picture(16, 14, 0xFF0000FFu)));
  auto form = create("");
  form->show();
  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.pixel(form->button_box(btn_close_up).bottomRight()), qRgb(0, 0, 255));
  EXPECT_EQ(shot.pixel(form->button_box(btn_right_up).topLeft() + QPoint(5, 5)), qRgb(255, 0, 0));  // missing
}

TEST_F(ManualFiles, WithoutConfigIniOrItsSectionTheDefaultsApply) {
  std::filesystem::create_directories(dir / "Graphics/Manual");
  page("Graphics/Manual/1.bmp", 0xFF112233u);
  auto form = create_manual_form(dir / "Missing.ini");
  EXPECT_EQ(form->size(), QSize(475, 675));
  EXPECT_EQ(form->page_shown()->pixel(0, 0), 0xFF112233u);
  auto again = create("[Common]\nSkins=2\n");
  EXPECT_EQ(again->size(), QSize(475, 675));
}

TEST_F(ManualFiles, FolderSpellings) {
  ManualConfig c;
  EXPECT_EQ(manual_page_file(c, 1), "Graphics\\Manual\\1.bmp");
  c.ManualDir = "Docs\\Pages";
  EXPECT_EQ(manual_page_file(c, 6), "Docs\\Pages\\6.bmp");
  c.ManualDir = "/opt/manual/";
  EXPECT_EQ(manual_page_file(c, 2), "/opt/manual/2.bmp");
  c.ManualDir = "";
  EXPECT_EQ(manual_page_file(c, 4), "4.bmp");
}

TEST_F(ManualFiles, UnusableSizesAndBrokenPagesAreSaidAndReplaced) {
  std::filesystem::create_directories(dir / "Graphics/Manual");
  write_text(dir / "Graphics/Manual/2.bmp", "not a picture");
  testing::internal::CaptureStderr();
  auto form = create("[Manual]\nManualWidth=0\nManualHeight=99999999\n");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(form->size(), QSize(475, 675));
  EXPECT_NE(said.find("ManualWidth=0"), std::string::npos) << said;
  EXPECT_NE(said.find("ManualHeight=99999999"), std::string::npos) << said;
  EXPECT_NE(said.find("Graphics\\Manual\\2.bmp"), std::string::npos) << said;
  form->ManualPage = 2;
  form->Vid_Show_Page();
  EXPECT_EQ(form->page_shown(), placeholder_picture());
}

}  // namespace
}  // namespace vx::test
