#include "frontend/manual_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "frontend/window_place.h"
#include "platform/key_codes.h"
#include "platform/picture_file.h"
#include "platform/qt_picture.h"

namespace vx {
namespace {

constexpr int kFirstPage = 1, kLastPage = 6;
constexpr int kEdge = 4;  // the buttons' distance to their window edges
constexpr int kButtonWidth = 16, kButtonHeight = 14;

}  // namespace

const char* manual_button_name(ManualButton b) {
  static const char* const kNames[kManualButtonCount] = {"btn_right_down", "btn_right_up",   "btn_left_down",
                                                         "btn_left_up",    "btn_close_down", "btn_close_up"};
  return kNames[b];
}

TManualForm::TManualForm(const ManualSetup& setup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TManualForm"));
  setWindowTitle(QStringLiteral("Manual"));
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);
  setFixedSize(setup.width, setup.height);

  pages_ = setup;
  for (int b = 0; b < kManualButtonCount; ++b) {
    button_pictures_[b] = to_qimage(setup.buttons[b] ? *setup.buttons[b] : *placeholder_picture());
    visible_[b] = true;
  }
  visible_[btn_left_down] = visible_[btn_left_up] = false;
}

PictureRef ManualSetup::page(int n) const {
  if (pages[n]) return pages[n];
  if (page_files[n].empty()) return placeholder_picture();
  return load_picture_or_placeholder(page_files[n], page_names[n]);
}

const PictureRef& TManualForm::page(int n) {
  if (page_images_[n].isNull()) {
    pages_.pages[n] = pages_.page(n);
    page_images_[n] = painting_qimage(*pages_.pages[n]);  // pages_ keeps the pixels
  }
  return pages_.pages[n];
}

QRect TManualForm::button_box(ManualButton b) const {
  const int right = width() - kEdge - kButtonWidth, bottom = height() - kEdge - kButtonHeight;
  switch (b) {
    case btn_right_down:
    case btn_right_up:
      return {right, bottom, kButtonWidth, kButtonHeight};
    case btn_left_down:
    case btn_left_up:
      return {kEdge, bottom, kButtonWidth, kButtonHeight};
    default:
      return {right, kEdge, kButtonWidth, kButtonHeight};
  }
}

void TManualForm::show_button(ManualButton b, bool visible) {
  if (visible_[b] == visible) return;
  visible_[b] = visible;
  update(button_box(b));
}

void TManualForm::Vid_Show_Page() {
  ManualPage = std::clamp(ManualPage, kFirstPage, kLastPage);
  page_top_ = ManualPage;
  update();
  if (ManualPage == kFirstPage) {
    show_button(btn_left_down, false);
    show_button(btn_left_up, false);
    return;
  }
  if (ManualPage == kLastPage) {
    show_button(btn_right_down, false);
    show_button(btn_right_up, false);
    return;
  }
  for (ManualButton b : {btn_left_down, btn_left_up, btn_right_down, btn_right_up}) show_button(b, true);
}

void TManualForm::Inp_left_down() { show_button(btn_left_up, false); }

void TManualForm::Inp_left_up() {
  // A mouse press can outlive the page it began on (a key may turn the page
  // meanwhile): the page never leaves 1..6.
  if (ManualPage > kFirstPage) --ManualPage;
  Vid_Show_Page();
}

void TManualForm::Inp_right_down() { show_button(btn_right_up, false); }

void TManualForm::Inp_right_up() {
  if (ManualPage < kLastPage) ++ManualPage;
  Vid_Show_Page();
}

void TManualForm::Inp_esc_down() { show_button(btn_close_up, false); }

void TManualForm::Inp_esc_up() {
  show_button(btn_close_up, true);
  hide();
}

void TManualForm::FormKeyDown(int key_code) {
  if (key_code == 27) Inp_esc_down();
  if (key_code == 37 && ManualPage > kFirstPage) Inp_left_down();
  if (key_code == 39 && ManualPage < kLastPage) Inp_right_down();
}

void TManualForm::FormKeyUp(int key_code) {
  if (key_code == 27) Inp_esc_up();
  if (key_code == 37 && ManualPage > kFirstPage) Inp_left_up();
  if (key_code == 39 && ManualPage < kLastPage) Inp_right_up();
}

void TManualForm::keyPressEvent(QKeyEvent* event) {
  const int code = keys_.press(*event);
  if (code == 0) return QWidget::keyPressEvent(event);
  FormKeyDown(code);
}

void TManualForm::keyReleaseEvent(QKeyEvent* event) {
  // Key repeat sends releases too; the tracker passes only the real one, which turns the page.
  const int code = keys_.release(*event);
  if (code == 0) return QWidget::keyReleaseEvent(event);
  FormKeyUp(code);
}

int TManualForm::button_at(QPoint p) const {
  for (int b = kManualButtonCount - 1; b >= 0; --b)
    if (visible_[b] && button_box(static_cast<ManualButton>(b)).contains(p)) return b;
  return -1;
}

void TManualForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const int hit = button_at(p);
  if (hit < 0) {
    // The drag surface. Where a window cannot place itself, the system moves it.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && windowHandle()) {
      windowHandle()->startSystemMove();
      return;
    }
    dragging_ = true;
    drag_point_ = p;
    return;
  }
  // Only the normal looks take presses; a pressed look showing alone ignores them.
  if (hit == btn_left_up)
    Inp_left_down();
  else if (hit == btn_right_up)
    Inp_right_down();
  else if (hit == btn_close_up)
    Inp_esc_down();
  else
    return;
  pressed_ = hit;
}

void TManualForm::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint p = event->position().toPoint();
  move(x() + (p.x() - drag_point_.x()), y() + (p.y() - drag_point_.y()));
}

void TManualForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  const int was = pressed_;
  pressed_ = -1;
  // The up half, wherever the pointer is now.
  if (was == btn_left_up)
    Inp_left_up();
  else if (was == btn_right_up)
    Inp_right_up();
  else if (was == btn_close_up)
    Inp_esc_up();
}

void TManualForm::showEvent(QShowEvent* event) {
  if (!shown_before_) {
    shown_before_ = true;
    centre_on_screen(*this);
  }
  Vid_Show_Page();
  QWidget::showEvent(event);
}

void TManualForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The page at its natural size from the top-left corner, clipped to the window.
  page(page_top_);
  p.drawImage(0, 0, page_images_[page_top_]);
  // sh_page_top: a one-pixel black frame round the client area.
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, width() - 1, height() - 1);
  for (int b = 0; b < kManualButtonCount; ++b)
    if (visible_[b]) {
      // Each at its natural size from its corner, clipped to its 16 by 14 box.
      const QRect box = button_box(static_cast<ManualButton>(b));
      p.setClipRect(box);
      p.drawImage(box.topLeft(), button_pictures_[b]);
    }
}

}  // namespace vx
