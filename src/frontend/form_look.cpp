#include "frontend/form_look.h"

#include <QWidget>

namespace vx {

void set_form_look(QWidget& form, const QColor& background) {
  QPalette p = form.palette();
  p.setColor(QPalette::Window, background);
  form.setPalette(p);
  form.setAutoFillBackground(true);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(11);
  form.setFont(f);
}

void set_text_colour(QWidget& label, const QColor& colour) {
  QPalette p = label.palette();
  p.setColor(QPalette::WindowText, colour);
  label.setPalette(p);
}

QColor text_colour(const QWidget& label) { return label.palette().color(QPalette::WindowText); }

}  // namespace vx
