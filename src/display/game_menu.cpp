#include "display/game_menu.h"

#include <QAction>
#include <QMouseEvent>

#include "display/game_menu_layout.h"

namespace vx {

QString game_menu_row_text(const QAction& entry) {
  QString text = QStringLiteral("   ") + entry.text();
  if (entry.isChecked()) text += QStringLiteral(" [V]");
  return text;
}

GameMenuRow::GameMenuRow(QWidget* parent, QAction* entry, int row)
    : QLabel(parent), entry_(entry->isSeparator() ? nullptr : entry) {
  setGeometry(0, row * kGameMenuRowHeight, kGameMenuOpenWidth, kGameMenuRowHeight);
  setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  setAutoFillBackground(false);  // transparent until the pointer is on it
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  setPalette(palette);
  if (!entry_) return;
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(14);  // a character cell 16 pixels high
  setFont(font);
  setText(game_menu_row_text(*entry_));
  setCursor(Qt::PointingHandCursor);
  setEnabled(entry_->isEnabled());
}

void GameMenuRow::enterEvent(QEnterEvent*) {
  if (entry_ && isEnabled()) setAutoFillBackground(true);  // la_menu_itemMouseEnter
}

void GameMenuRow::leaveEvent(QEvent*) {
  if (entry_) setAutoFillBackground(false);  // la_menu_itemMouseLeave
}

void GameMenuRow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (entry_ && event->button() == Qt::LeftButton) pressed_ = true;
}

void GameMenuRow::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void GameMenuRow::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void GameMenuRow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (!entry_ || event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) entry_->trigger();
  if (released) released();
}

}  // namespace vx
