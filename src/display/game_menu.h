// The rows of the full-screen console's in-window game menu, one label per
// pop-up menu entry, laid over the menu's background picture.
#pragma once

#include <QLabel>
#include <functional>

class QAction;

namespace vx {

// The row text of a menu entry: three blanks, the caption, " [V]" when checked.
QString game_menu_row_text(const QAction& entry);

// One row of the open game menu. A separator row is an empty gap that takes the
// mouse and does nothing. An entry's row turns black while the pointer is on it;
// a left press and release runs the entry's action when the release happens on
// the row, then (wherever the release happens) `released`.
class GameMenuRow : public QLabel {
 public:
  GameMenuRow(QWidget* parent, QAction* entry, int row);

  std::function<void()> released;  // la_menu_itemMouseUp

  QAction* entry() const { return entry_; }
  bool highlighted() const { return autoFillBackground(); }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QAction* entry_;  // null for a separator
  bool pressed_ = false;
};

}  // namespace vx
