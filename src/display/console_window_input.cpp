// TForm1: keys, mouse presses on the pictured buttons, dragging, hints and
// pointer shapes, and the first activation.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QWindow>

#include "display/console_window.h"
#include "display/mouse_map.h"

namespace vx {

bool TForm1::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate:
      on_activation_changed();
      if (FirstActivate) {
        FirstActivate = false;
        if (on_first_activate) on_first_activate();
      }
      break;
    case QEvent::WindowDeactivate:
      on_activation_changed();
      break;
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const QPoint at = view_.to_console(help->pos());
      const auto hit = hit_test(console_.board, at.x(), at.y());
      const std::string hint = hit ? console_.board[*hit].hint : std::string();
      if (hint.empty()) {
        QToolTip::hideText();
        event->ignore();
      } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
      }
      return true;
    }
    default:
      break;
  }
  return QWidget::event(event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (on_key_arrival) on_key_arrival();
  const std::uint64_t repaints = repaint_requests_;
  if (!run_shortcut(*event)) {
    const int code = keys_.press(*event);
    console_.timers.dispatch(now_());
    if (code) console_.FormKeyDown(code);
    sync();
  }
  if (on_key_handled) on_key_handled(repaint_requests_ != repaints);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  const int code = keys_.release(*event);
  if (!code) return;
  console_.timers.dispatch(now_());
  console_.FormKeyUp(code);
  sync();
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = view_.to_console(event->position());
  pressed_ = hit_test(console_.board, at.x(), at.y());
  if (!pressed_) return;
  const MouseTarget& target = mouse_target(*pressed_);
  console_.timers.dispatch(now_());
  switch (target.role) {
    case MouseRole::Control:
      (console_.*target.down)();
      break;
    case MouseRole::Drag:
      // im_backgroundMouseDown: where the pointer grabbed the console.
      if (!console_.FullscreenMode) {
        drag_point_ = event->globalPosition().toPoint() - pos();
        if (translucent_key_ && windowHandle()) windowHandle()->startSystemMove();  // Wayland
      }
      break;
    default:
      break;
  }
  sync();
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = view_.to_console(event->position());
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    // im_backgroundMouseMove: the grabbed spot stays under the pointer (read on
    // the screen, so moves the window server has not yet reported cannot jitter).
    if (mouse_target(*pressed_).role == MouseRole::Drag && !console_.FullscreenMode)
      move(event->globalPosition().toPoint() - drag_point_);
    return;
  }
  const auto hit = hit_test(console_.board, at.x(), at.y());
  switch (hit ? mouse_target(*hit).pointer : PointerShape::Arrow) {
    case PointerShape::Hand: setCursor(Qt::PointingHandCursor); break;
    case PointerShape::Help: setCursor(Qt::WhatsThisCursor); break;
    case PointerShape::Arrow: unsetCursor(); break;
  }
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  const ElementId pressed = *pressed_;
  pressed_.reset();
  const MouseTarget& target = mouse_target(pressed);
  console_.timers.dispatch(now_());
  if (target.role == MouseRole::Control && target.up) (console_.*target.up)();
  if (target.role == MouseRole::GameMenuButton) {
    const QPoint at = view_.to_console(event->position());
    if (hit_test(console_.board, at.x(), at.y()) == pressed) btn_game_menu_topClick();
  }
  sync();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) { menu_->popup(event->globalPos()); }

}  // namespace vx
