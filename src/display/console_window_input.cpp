// TForm1: keys, mouse presses on the pictured buttons, dragging, hints and
// pointer shapes, and activation; each goes to the console host.
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
      const auto hit = hit_test(host_.console().board, at.x(), at.y());
      const std::string hint = hit ? host_.console().board[*hit].hint : std::string();
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
  const auto assigned = [this](int code) {
    for (int a = ActPower; a <= kActionCount; ++a)
      if (host_.console().KeyAssign[a].VirtualKey == code) return true;
    return false;
  };
  if (!menu_->run_shortcut(*event, assigned)) {
    const int code = keys_.press(*event);
    show_report(code ? host_.key(code, true) : host_.clock_reached());
  }
  if (on_key_handled) on_key_handled(repaint_requests_ != repaints);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (const int code = keys_.release(*event)) show_report(host_.key(code, false));
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = view_.to_console(event->position());
  pressed_ = hit_test(host_.console().board, at.x(), at.y());
  if (!pressed_) return;
  const MouseTarget& target = mouse_target(*pressed_);
  if (target.role == MouseRole::Control) return show_report(host_.action(target.action, true));
  if (target.role == MouseRole::Drag && !full_screen_) {
    // im_backgroundMouseDown: where the pointer grabbed the console.
    drag_point_ = event->globalPosition().toPoint() - pos();
    if (translucent_key_ && windowHandle()) windowHandle()->startSystemMove();  // Wayland
  }
  show_report(host_.clock_reached());
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = view_.to_console(event->position());
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    // im_backgroundMouseMove: the grabbed spot stays under the pointer (read on
    // the screen, so moves the window server has not yet reported cannot jitter).
    if (mouse_target(*pressed_).role == MouseRole::Drag && !full_screen_)
      move(event->globalPosition().toPoint() - drag_point_);
    return;
  }
  const auto hit = hit_test(host_.console().board, at.x(), at.y());
  switch (hit ? mouse_target(*hit).pointer : PointerShape::Arrow) {
    case PointerShape::Hand:
      setCursor(Qt::PointingHandCursor);
      break;
    case PointerShape::Help:
      setCursor(Qt::WhatsThisCursor);
      break;
    case PointerShape::Arrow:
      unsetCursor();
      break;
  }
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  const ElementId pressed = *pressed_;
  pressed_.reset();
  const MouseTarget& target = mouse_target(pressed);
  if (target.role == MouseRole::Control) return show_report(host_.action(target.action, false));
  show_report(host_.clock_reached());
  const QPoint at = view_.to_console(event->position());
  if (target.role == MouseRole::GameMenuButton && hit_test(host_.console().board, at.x(), at.y()) == pressed)
    btn_game_menu_topClick();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) { menu_->pm_0_menu()->popup(event->globalPos()); }

}  // namespace vx
