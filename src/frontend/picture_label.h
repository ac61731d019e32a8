// A picture element of the forms: shows a picture at its natural size (from the
// top-left corner, or centred in its box) clipped to its box, and reports a left
// click (press and release on it).
#pragma once

#include <QLabel>
#include <functional>

namespace vx {

class PictureLabel : public QLabel {
 public:
  PictureLabel(QWidget* parent, QRect box, bool centred);

  std::function<void()> clicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace vx
