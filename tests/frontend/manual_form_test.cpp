// The manual viewer: turning pages by key and mouse, the arrows on the first and
// last page, closing and reopening, dragging, its size and the missing-page picture.
#include "frontend/manual_form.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

namespace vx::test {
namespace {

// A 40 x 30 page of one colour, told apart by its colour and label.
PictureRef page_picture(int n) {
  auto p = std::make_shared<Picture>();
  p->width = 40;
  p->height = 30;
  p->argb.assign(40 * 30, 0xFF000000u | static_cast<std::uint32_t>(n * 0x101010));
  p->label = std::to_string(n) + ".bmp";
  return p;
}

ManualSetup six_pages() {
  ManualSetup s;
  for (int n = 1; n <= 6; ++n) s.pages[n] = page_picture(n);
  return s;
}

struct Manual : testing::Test {
  ManualSetup setup = six_pages();
  std::unique_ptr<TManualForm> form;

  TManualForm& open() {
    if (!form) form = std::make_unique<TManualForm>(setup);
    form->show();
    return *form;
  }
  void key(QEvent::Type type, Qt::Key k, bool repeat = false) {
    QKeyEvent e(type, k, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(form.get(), &e);
  }
  void tap(Qt::Key k) {
    key(QEvent::KeyPress, k);
    key(QEvent::KeyRelease, k);
  }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent e(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &e);
  }
  std::string page_label() const { return form->page_shown()->label; }
  bool shown(ManualButton b) const { return form->button_visible(b); }
};

TEST_F(Manual, OpensCentredOnPageOneWithoutThePreviousArrow) {
  open();
  EXPECT_EQ(form->windowTitle(), "Manual");
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->ManualPage, 1);
  EXPECT_EQ(page_label(), "1.bmp");
  EXPECT_FALSE(shown(btn_left_up));
  EXPECT_FALSE(shown(btn_left_down));
  EXPECT_TRUE(shown(btn_right_up));
  EXPECT_TRUE(shown(btn_close_up));
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(form->pos(), QPoint(std::max(0, (screen.width() - 475) / 2), std::max(0, (screen.height() - 675) / 2)));
}

TEST_F(Manual, ArrowKeysTurnOnReleaseAndStopAtTheEnds) {
  open();
  tap(Qt::Key_Left);  // nothing before page 1
  EXPECT_EQ(form->ManualPage, 1);

  key(QEvent::KeyPress, Qt::Key_Right);
  EXPECT_EQ(form->ManualPage, 1);  // pressed, not yet turned
  EXPECT_FALSE(shown(btn_right_up));
  EXPECT_TRUE(shown(btn_right_down));
  key(QEvent::KeyRelease, Qt::Key_Right);
  EXPECT_EQ(page_label(), "2.bmp");
  EXPECT_TRUE(shown(btn_left_up));
  EXPECT_TRUE(shown(btn_right_up));

  for (int i = 0; i < 6; ++i) tap(Qt::Key_Right);
  EXPECT_EQ(form->ManualPage, 6);
  EXPECT_EQ(page_label(), "6.bmp");
  EXPECT_FALSE(shown(btn_right_up));
  EXPECT_FALSE(shown(btn_right_down));
  key(QEvent::KeyPress, Qt::Key_Right);  // does not even look pressed
  EXPECT_FALSE(shown(btn_right_up));

  tap(Qt::Key_Left);
  EXPECT_EQ(page_label(), "5.bmp");
  EXPECT_TRUE(shown(btn_right_up));
}

TEST_F(Manual, HoldingAnArrowKeyTurnsOnePage) {
  open();
  key(QEvent::KeyPress, Qt::Key_Right);
  for (int i = 0; i < 30; ++i) {  // a second of key repeat
    key(QEvent::KeyRelease, Qt::Key_Right, true);
    key(QEvent::KeyPress, Qt::Key_Right, true);
  }
  EXPECT_EQ(form->ManualPage, 1);
  key(QEvent::KeyRelease, Qt::Key_Right);
  EXPECT_EQ(form->ManualPage, 2);
}

TEST_F(Manual, AMouseClickOnAnArrowTurnsWhereverTheButtonIsReleased) {
  open();
  const QPoint right = form->button_box(btn_right_up).center();
  mouse(QEvent::MouseButtonPress, right, Qt::LeftButton);
  EXPECT_FALSE(shown(btn_right_up));
  EXPECT_EQ(form->ManualPage, 1);
  mouse(QEvent::MouseButtonRelease, QPoint(-50, 900), Qt::NoButton);  // released off the window
  EXPECT_EQ(form->ManualPage, 2);
  EXPECT_TRUE(shown(btn_right_up));

  const QPoint left = form->button_box(btn_left_up).center();
  mouse(QEvent::MouseButtonPress, left, Qt::RightButton, Qt::RightButton);  // other buttons do nothing
  mouse(QEvent::MouseButtonRelease, left, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(form->ManualPage, 2);
  mouse(QEvent::MouseButtonPress, left, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, left, Qt::NoButton);
  EXPECT_EQ(form->ManualPage, 1);
  // The hidden previous arrow cannot be pressed on page 1.
  mouse(QEvent::MouseButtonPress, left, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, left, Qt::NoButton);
  EXPECT_EQ(form->ManualPage, 1);
}

TEST_F(Manual, APressThatOutlivesItsPageNeverTurnsPastTheLast) {
  open();
  form->ManualPage = 5;
  form->Vid_Show_Page();
  mouse(QEvent::MouseButtonPress, form->button_box(btn_right_up).center(), Qt::LeftButton);
  tap(Qt::Key_Right);  // the key reaches page 6 while the mouse still holds the arrow
  mouse(QEvent::MouseButtonRelease, QPoint(10, 10), Qt::NoButton);
  EXPECT_EQ(form->ManualPage, 6);
  EXPECT_EQ(page_label(), "6.bmp");
}

TEST_F(Manual, EscAndTheCloseButtonHideItAndItReopensWhereItWasLeft) {
  open();
  for (int i = 0; i < 3; ++i) tap(Qt::Key_Right);
  // Dragged by the page: the grabbed spot stays under the pointer.
  const QPoint start = form->pos();
  mouse(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
  mouse(QEvent::MouseMove, QPoint(130, 90), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(130, 90), Qt::NoButton);
  EXPECT_EQ(form->pos(), start + QPoint(30, -10));
  mouse(QEvent::MouseMove, QPoint(160, 90), Qt::NoButton);  // no button held: no move
  EXPECT_EQ(form->pos(), start + QPoint(30, -10));

  key(QEvent::KeyPress, Qt::Key_Escape);
  EXPECT_FALSE(shown(btn_close_up));
  EXPECT_TRUE(form->isVisible());
  key(QEvent::KeyRelease, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(shown(btn_close_up));

  open();
  EXPECT_EQ(page_label(), "4.bmp");
  EXPECT_EQ(form->pos(), start + QPoint(30, -10));

  const QPoint close = form->button_box(btn_close_up).center();
  mouse(QEvent::MouseButtonPress, close, Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  mouse(QEvent::MouseButtonRelease, close, Qt::NoButton);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Manual, SizedFromTheSetupWithThePageAtTheTopLeftAndTheButtonsInTheCorners) {
  setup.width = 600;
  setup.height = 800;
  open();
  form->ManualPage = 2;
  form->Vid_Show_Page();
  EXPECT_EQ(form->size(), QSize(600, 800));
  EXPECT_EQ(form->button_box(btn_left_up), QRect(4, 782, 16, 14));
  EXPECT_EQ(form->button_box(btn_right_up), QRect(580, 782, 16, 14));
  EXPECT_EQ(form->button_box(btn_close_up), QRect(580, 4, 16, 14));

  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));  // the frame
  EXPECT_EQ(shot.pixel(599, 400), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(20, 15), qRgb(0x20, 0x20, 0x20));  // page 2, unscaled
  EXPECT_EQ(shot.pixel(39, 29), qRgb(0x20, 0x20, 0x20));
  EXPECT_EQ(shot.pixel(40, 15), qRgb(255, 255, 255));    // the form beyond it
  EXPECT_EQ(shot.pixel(585, 787), qRgb(255, 0, 0));      // the next arrow (no picture: the red square)
  EXPECT_EQ(shot.pixel(592, 787), qRgb(255, 255, 255));  // its box clips nothing beyond the square
}

TEST_F(Manual, AMissingPageShowsTheRedPlaceholderAtTheTopLeft) {
  setup.pages[3] = nullptr;
  open();
  tap(Qt::Key_Right);
  tap(Qt::Key_Right);
  EXPECT_EQ(form->page_shown(), placeholder_picture());
  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(shot.pixel(9, 5), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(12, 12), qRgb(255, 255, 255));
}

TEST_F(Manual, APressedButtonUncoversItsPressedLookBeneath) {
  for (int b = 0; b < kManualButtonCount; ++b) {
    auto p = std::make_shared<Picture>();
    p->width = 16;
    p->height = 14;
    p->argb.assign(16 * 14, 0xFF000000u | static_cast<std::uint32_t>(0x10 * (b + 1)) << 16);
    setup.buttons[b] = p;
  }
  open();
  const auto colour_at = [this](ManualButton b) {
    return form->grab().toImage().pixel(form->button_box(b).center()) & 0xFFFFFFu;
  };
  EXPECT_EQ(colour_at(btn_right_up), 0x200000u);  // the normal look, second picture
  key(QEvent::KeyPress, Qt::Key_Right);
  EXPECT_EQ(colour_at(btn_right_up), 0x100000u);  // the pressed look beneath
  key(QEvent::KeyPress, Qt::Key_Escape);
  EXPECT_EQ(colour_at(btn_close_up), 0x500000u);
}

}  // namespace
}  // namespace vx::test
