#include "frontend/form_look.h"

#include <QWidget>

#include "platform/data_folder.h"
#include "platform/picture_file.h"

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

PictureRef form_design_picture(std::string_view form, std::string_view element,
                               const std::filesystem::path& data_folder) {
  const std::string configured = form_picture(form, element);
  return load_picture_or_placeholder(resolve_path(configured, data_folder), configured);
}

}  // namespace vx
