// The about box: Esc closes it, each link closes it after handing its address to
// the shell, and it reopens where it was moved.
#include "frontend/about_form.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "frontend/form_look.h"
#include "platform/shell.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx::test {
namespace {

// An author with somewhere to go (the project's own links may have no address yet).
constexpr ProjectLink kWeb{"www.merrin.example", "http://www.merrin.example/"};
constexpr ProjectLink kMail{"me@merrin.example", "mailto:me@merrin.example"};

// A data folder whose about picture is plain green.
const std::filesystem::path& data_folder() {
  static TempDir dir;
  static bool written =
      (write_file(dir / "Graphics/Forms/TAboutForm/im_picture.png", encode_png(solid_picture(116, 160, 0xFF00C000u))),
       true);
  (void)written;
  return dir.path();
}

struct About : testing::Test {
  std::vector<QUrl> opened;
  TAboutForm box{data_folder(), kWeb, kMail};
  About() {
    set_shell_open([this](std::string_view link) {
      EXPECT_TRUE(box.isVisible()) << "the shell gets the link before the box closes";
      opened.emplace_back(QString::fromUtf8(link.data(), static_cast<qsizetype>(link.size())));
    });
  }
  ~About() override { set_shell_open(nullptr); }
};

TEST_F(About, ADialogOnTopCentredTheFirstTimeAndClosedByEsc) {
  EXPECT_EQ(box.windowTitle(), "About the author...");
  EXPECT_EQ(box.size(), QSize(397, 176));
  EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
  box.show();
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const QSize frame = box.frameGeometry().size();
  EXPECT_EQ(box.pos(), QPoint(std::max(0, (screen.width() - frame.width()) / 2),
                              std::max(0, (screen.height() - frame.height()) / 2)));
  QTest::keyClick(&box, Qt::Key_A);
  EXPECT_TRUE(box.isVisible());
  QTest::keyClick(&box, Qt::Key_Escape);
  EXPECT_FALSE(box.isVisible());
  EXPECT_TRUE(opened.empty());
}

TEST_F(About, EachLinkHandsItsAddressToTheShellThenCloses) {
  box.show();
  QTest::mouseClick(box.website_link(), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  box.show();
  QTest::mouseClick(box.email_link(), Qt::RightButton);  // only the left button follows a link
  EXPECT_TRUE(box.isVisible());
  QTest::mouseClick(box.email_link(), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(opened, (std::vector<QUrl>{QUrl("http://www.merrin.example/"), QUrl("mailto:me@merrin.example")}));
  EXPECT_EQ(box.website_link()->text(), "www.merrin.example");
}

TEST_F(About, ALinkWithoutAnAddressIsGreyedAndDoesNothing) {
  TAboutForm plain{data_folder(), {"no web page yet", ""}, kMail};
  plain.show();
  EXPECT_EQ(plain.website_link()->text(), "no web page yet");
  EXPECT_FALSE(plain.website_link()->font().underline());
  EXPECT_NE(text_colour(*plain.website_link()), QColor(255, 255, 0));
  QTest::mouseClick(plain.website_link(), Qt::LeftButton);
  EXPECT_TRUE(plain.isVisible());
  EXPECT_TRUE(opened.empty());
}

TEST_F(About, APressDraggedOffTheLinkFollowsNothing) {
  box.show();
  QTest::mousePress(box.website_link(), Qt::LeftButton);
  QTest::mouseRelease(box.website_link(), Qt::LeftButton, {}, QPoint(-30, 5));
  EXPECT_TRUE(box.isVisible());
  EXPECT_TRUE(opened.empty());
}

TEST_F(About, ReopensWhereItWasMoved) {
  box.show();
  box.move(37, 21);
  box.hide();
  box.show();
  EXPECT_EQ(box.pos(), QPoint(37, 21));
}

TEST_F(About, ThePictureComesFromTheDataFolder) {
  const QImage shot = box.grab().toImage();
  EXPECT_EQ(shot.pixel(10, 10), qRgb(0, 0xC0, 0));
  EXPECT_EQ(shot.pixel(123, 167), qRgb(0, 0xC0, 0));
  EXPECT_EQ(shot.pixel(126, 100), kFormBlue.rgb());

  testing::internal::CaptureStderr();
  TempDir empty;
  TAboutForm without(empty.path());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Graphics\\Forms\\TAboutForm\\im_picture.png"), std::string::npos) << said;
  const QImage red = without.grab().toImage();
  EXPECT_EQ(red.pixel(12, 12), qRgb(255, 0, 0));  // the red square at the picture's corner
  EXPECT_EQ(red.pixel(30, 30), kFormBlue.rgb());
}

TEST_F(About, CaptionsWhiteValuesBoldLinksYellowUnderlined) {
  const auto* name = box.findChild<QLabel*>("la_name_1");
  const auto* value = box.findChild<QLabel*>("la_name_2");
  const auto* hobby = box.findChild<QLabel*>("la_hobby_2");
  ASSERT_TRUE(name && value && hobby);
  EXPECT_EQ(name->text(), "Name:");
  EXPECT_FALSE(name->font().bold());
  EXPECT_EQ(name->geometry(), QRect(132, 8, 72, 14));
  EXPECT_TRUE(value->font().bold());
  EXPECT_EQ(value->geometry(), QRect(212, 8, 147, 14));
  EXPECT_TRUE(hobby->font().bold() && hobby->font().italic());
  EXPECT_EQ(text_colour(*value), QColor(255, 255, 255));
  EXPECT_EQ(text_colour(*box.website_link()), QColor(255, 255, 0));
  EXPECT_TRUE(box.website_link()->font().underline());
  EXPECT_EQ(box.website_link()->font().pixelSize(), 12);
  EXPECT_EQ(box.email_link()->geometry(), QRect(212, 152, 168, 15));
  EXPECT_EQ(box.email_link()->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace vx::test
