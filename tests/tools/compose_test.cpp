// The composer draws a skin through the console window's own loader and painter:
// each pressed picture above its button, transparent elements keyed by their
// bottom-left pixel, alpha blended, pictures clipped to their boxes.
#include "compose.h"

#include <gtest/gtest.h>

#include <fstream>

#include "image_io.h"
#include "skin_file.h"

namespace vx::assets::test {
namespace {

namespace fs = std::filesystem;

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0),
           kYellow = qRgb(255, 255, 0), kKey = qRgb(255, 0, 255);

class TinySkin : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           (std::string("vx-assets-tiny-skin-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // The case: red, with two green pixels and a green bottom-left corner.
    QImage back(20, 10, QImage::Format_ARGB32);
    back.fill(kRed);
    back.setPixel(6, 0, kGreen);
    back.setPixel(7, 0, kGreen);
    back.setPixel(0, 9, kGreen);
    add(im_background, back, false, {0, 0, 20, 10});
    add(btn_power_top, solid(4, 4, kWhite), false, {0, 0, 4, 4});
    add(btn_power_on, solid(4, 4, kBlack), false, {0, 0, 4, 4});
    add(im_background_screen_on, solid(4, 4, kGreen), false, {10, 0, 4, 4});
    QImage half(4, 4, QImage::Format_ARGB32);
    half.fill(kYellow);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 2; ++x) half.setPixel(x, y, qRgba(0, 0, 0, 0));
    add(el_enemy(1, 9), half, true, {16, 0, 4, 4});
    QImage big = solid(4, 4, kWhite);
    big.setPixel(0, 3, kBlack);  // its see-through colour
    add(el_enemy(2, 9), big, false, {5, 5, 2, 2});
    std::ofstream(dir_ / "Skin.ini") << "[Common]\nGameWidth=20\nGameHeight=10\n[Shaped]\nTranspColor=$00FF00FF\n"
                                     << ini_;
    std::string error;
    skin_ = read_skin_file(dir_, "Skin.ini", error);
    ASSERT_TRUE(skin_) << error;
  }
  void TearDown() override { fs::remove_all(dir_); }

  static QImage solid(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
  }
  void add(ElementId id, const QImage& pic, bool alpha, QRect box) {
    const std::string file = std::string(element_name(id)) + ".png";
    write_png(dir_ / file, pic, alpha);
    ini_ += "[Image" + std::to_string(id + 1) + "]\nFilename=" + file + "\nLeft=" + std::to_string(box.left()) +
            "\nTop=" + std::to_string(box.top()) + "\nWidth=" + std::to_string(box.width()) +
            "\nHeight=" + std::to_string(box.height()) + "\n";
  }
  QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000u; }

  fs::path dir_;
  std::string ini_;
  std::optional<SkinFile> skin_;
};

TEST_F(TinySkin, ThePressedPictureLiesAboveItsButton) {
  EXPECT_EQ(at(compose_window(*skin_, ComposeState::All), 1, 1), kBlack) << "btn_power_on (4) over btn_power_top (5)";
  EXPECT_EQ(at(compose_window(*skin_, ComposeState::Off), 1, 1), kWhite) << "switched off, only the button shows";
}

TEST_F(TinySkin, TransparentElementsKeyTheirBottomLeftColourOpaqueOnesDoNot) {
  const QImage frame = compose_window(*skin_, ComposeState::All);
  EXPECT_EQ(at(frame, 6, 0), kKey) << "the case's green shows the window's key colour";
  EXPECT_EQ(at(frame, 15, 8), kRed);
  EXPECT_EQ(at(frame, 11, 1), kGreen) << "the lit screen is opaque: its green stays";
  EXPECT_EQ(at(frame, 16, 1), kRed) << "alpha 0 shows what lies beneath";
  EXPECT_EQ(at(frame, 19, 1), kYellow);
  EXPECT_EQ(at(frame, 6, 6), kWhite);
  EXPECT_EQ(at(frame, 8, 8), kRed) << "a picture larger than its box is cut off at the box";
  const QImage checked = key_as_checkerboard(frame, QColor(kKey));
  EXPECT_NE(at(checked, 6, 0), kKey);
  EXPECT_EQ(qAlpha(key_as_transparent(frame, QColor(kKey)).pixel(6, 0)), 0);
}

TEST_F(TinySkin, AMissingPictureIsTheRedPlaceholderAndIsReported) {
  fs::remove(dir_ / "btn_power_top.png");
  ComposeReport report;
  const QImage frame = compose_window(*skin_, ComposeState::Off, &report);
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_NE(report.problems[0].find("btn_power_top"), std::string::npos);
  EXPECT_EQ(at(frame, 0, 0), kBlack) << "the placeholder's outline";
  EXPECT_EQ(at(frame, 1, 1), kRed) << "and its red inside, clipped to the 4 x 4 box";
}

TEST_F(TinySkin, FullScreenCentresTheConsole) {
  const QImage screen = compose_fullscreen(*skin_, ComposeState::Off, QSize(40, 30));
  EXPECT_EQ(screen.size(), QSize(40, 30));
  EXPECT_EQ(at(screen, 10 + 15, 10 + 8), kRed) << "the console at (40 - 20) / 2, (30 - 10) / 2";
  EXPECT_EQ(at(screen, 2, 2), kBlack) << "BgColor defaults to black";
}

}  // namespace
}  // namespace vx::assets::test
