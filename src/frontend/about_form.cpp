#include "frontend/about_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "frontend/about_picture.h"
#include "frontend/form_look.h"
#include "frontend/window_place.h"
#include "platform/key_codes.h"
#include "platform/shell.h"

namespace vx {
namespace {

enum class Style { Caption, Value, Hobby, Link };

struct LabelPlace {
  const char* name;
  int left, top, width, height;  // width 0: sized to its text
  const char* text;
  Style style;
};
// The author, the web page and the address are our own invention.
constexpr LabelPlace kLabels[] = {
    {"la_name_1", 132, 8, 72, 14, "Name:", Style::Caption},
    {"la_name_2", 212, 8, 147, 14, "Merrin Quallbrook", Style::Value},
    {"la_birthplace_1", 132, 32, 72, 14, "Birthplace:", Style::Caption},
    {"la_birthplace_2", 212, 32, 101, 14, "Lower Fennick", Style::Value},
    {"la_birthdate_1", 132, 56, 72, 14, "Birth date:", Style::Caption},
    {"la_birthdate_2", 212, 56, 101, 14, "3 October 1968", Style::Value},
    {"la_job_1", 132, 80, 72, 14, "Occupation:", Style::Caption},
    {"la_job_2", 212, 80, 133, 14, "Software developer", Style::Value},
    {"la_hobby_1", 132, 104, 0, 0, "Hobby:", Style::Caption},
    {"la_hobby_2", 212, 104, 93, 14, "Kite flying", Style::Hobby},
    {"la_website_1", 132, 128, 0, 0, "Website:", Style::Caption},
    {"la_website_2", 212, 128, 168, 15, "www.merrin.example", Style::Link},
    {"la_email_1", 132, 152, 0, 0, "Email:", Style::Caption},
    {"la_email_2", 212, 152, 168, 15, "me@merrin.example", Style::Link},
};

QFont label_font(Style style) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(style == Style::Link ? 12 : 11);
  f.setBold(style != Style::Caption);
  f.setItalic(style == Style::Hobby);
  f.setUnderline(style == Style::Link);
  return f;
}

}  // namespace

const char* const TAboutForm::kWebsite = "http://www.merrin.example/";
const char* const TAboutForm::kEmail = "mailto:me@merrin.example";

TAboutForm::TAboutForm()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TAboutForm"));
  setWindowTitle(QStringLiteral("About the author..."));
  setFixedSize(397, 176);
  set_form_look(*this, kFormBlue);

  auto* im_picture = new QLabel(this);
  im_picture->setObjectName(QStringLiteral("im_picture"));
  im_picture->setGeometry(8, 8, 116, 160);
  im_picture->setPixmap(QPixmap::fromImage(about_picture()));

  for (const LabelPlace& l : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(l.text), this);
    label->setObjectName(QString::fromLatin1(l.name));
    label->setFont(label_font(l.style));
    set_text_colour(*label, l.style == Style::Link ? QColor(255, 255, 0) : QColor(255, 255, 255));
    label->move(l.left, l.top);
    if (l.width > 0) label->resize(l.width, l.height);
    else label->adjustSize();
    if (l.style == Style::Link) {
      label->setCursor(Qt::PointingHandCursor);
      label->installEventFilter(this);
    }
  }
  la_website_2_ = findChild<QLabel*>(QStringLiteral("la_website_2"));
  la_email_2_ = findChild<QLabel*>(QStringLiteral("la_email_2"));
}

void TAboutForm::FormKeyDown(int key_code) {
  if (key_code == 27) hide();
}

void TAboutForm::la_website_2Click() {
  shell_open(kWebsite);
  hide();
}

void TAboutForm::la_email_2Click() {
  shell_open(kEmail);
  hide();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
  const int code = windows_key_code(event->key(), false);
  if (code == 27) FormKeyDown(code);
  else QWidget::keyPressEvent(event);
}

void TAboutForm::showEvent(QShowEvent* event) {
  if (!shown_before_) {
    shown_before_ = true;
    centre_on_screen(*this);
  }
  QWidget::showEvent(event);
}

// A link is clicked when the left button goes down and comes up on it.
bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
    auto* m = static_cast<QMouseEvent*>(event);
    if (m->button() != Qt::LeftButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_link_ = label;
      return true;
    }
    const bool click = pressed_link_ == label && label->rect().contains(m->position().toPoint());
    pressed_link_ = nullptr;
    if (click && label == la_website_2_) la_website_2Click();
    if (click && label == la_email_2_) la_email_2Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vx
