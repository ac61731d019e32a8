#include "frontend/picture_label.h"

#include <QMouseEvent>

namespace vx {

PictureLabel::PictureLabel(QWidget* parent, QRect box, bool centred) : QLabel(parent) {
  setGeometry(box);
  setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click && clicked) clicked();
}

}  // namespace vx
