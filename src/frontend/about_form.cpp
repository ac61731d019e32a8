#include "frontend/about_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "frontend/form_look.h"
#include "frontend/picture_label.h"
#include "frontend/window_place.h"
#include "platform/key_codes.h"
#include "platform/qt_picture.h"
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
// The author is our own invention. The two links follow: la_website_2 and
// la_email_2, the project's own.
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
    {"la_email_1", 132, 152, 0, 0, "Email:", Style::Caption},
};

QFont label_font(Style style) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(style == Style::Link ? 12 : 11);
  f.setBold(style != Style::Caption);
  f.setItalic(style == Style::Hobby);
  f.setUnderline(style == Style::Link);
  return f;
}

// A link label: yellow, underlined, with the hand pointer when it has somewhere
// to go; greyed and inert otherwise.
QLabel* make_link(QWidget* parent, const char* name, QRect box, const ProjectLink& link, std::function<void()> click) {
  auto* l = new PictureLabel(parent, box, false);
  l->setObjectName(QString::fromLatin1(name));
  l->setText(QString::fromUtf8(link.text.data(), static_cast<qsizetype>(link.text.size())));
  QFont f = label_font(Style::Link);
  const bool live = !link.address.empty();
  f.setUnderline(live);
  l->setFont(f);
  set_text_colour(*l, live ? QColor(255, 255, 0) : QColor(150, 150, 150));
  if (live) {
    l->setCursor(Qt::PointingHandCursor);
    l->clicked = std::move(click);
  }
  return l;
}

}  // namespace

TAboutForm::TAboutForm(const std::filesystem::path& data_folder, ProjectLink website, ProjectLink email)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      website_(website),
      email_(email) {
  setObjectName(QStringLiteral("TAboutForm"));
  setWindowTitle(QStringLiteral("About the author..."));
  setFixedSize(397, 176);
  set_form_look(*this, kFormBlue);

  auto* im_picture = new PictureLabel(this, QRect(8, 8, 116, 160), false);
  im_picture->setObjectName(QStringLiteral("im_picture"));
  im_picture->setPixmap(QPixmap::fromImage(to_qimage(*form_design_picture("TAboutForm", "im_picture", data_folder))));

  for (const LabelPlace& l : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(l.text), this);
    label->setObjectName(QString::fromLatin1(l.name));
    label->setFont(label_font(l.style));
    set_text_colour(*label, QColor(255, 255, 255));
    label->move(l.left, l.top);
    if (l.width > 0)
      label->resize(l.width, l.height);
    else
      fitted_labels_.push_back(label);  // measured when first shown: the fonts load then
  }
  la_website_2_ = make_link(this, "la_website_2", QRect(212, 128, 168, 15), website_, [this] { la_website_2Click(); });
  la_email_2_ = make_link(this, "la_email_2", QRect(212, 152, 168, 15), email_, [this] { la_email_2Click(); });
}

void TAboutForm::FormKeyDown(int key_code) {
  if (key_code == 27) hide();
}

void TAboutForm::la_website_2Click() {
  shell_open(website_.address);
  hide();
}

void TAboutForm::la_email_2Click() {
  shell_open(email_.address);
  hide();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
  const int code = windows_key_code(event->key(), false);
  if (code == 27)
    FormKeyDown(code);
  else
    QWidget::keyPressEvent(event);
}

void TAboutForm::showEvent(QShowEvent* event) {
  if (!shown_before_) {
    shown_before_ = true;
    for (QLabel* label : fitted_labels_) label->adjustSize();
    centre_on_screen(*this);
  }
  QWidget::showEvent(event);
}

}  // namespace vx
