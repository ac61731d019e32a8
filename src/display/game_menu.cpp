#include "display/game_menu.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

#include "display/game_menu_layout.h"
#include "platform/qt_picture.h"

namespace vx {

PictureRef game_menu_picture() {
  static const PictureRef picture = [] {
    QImage image(kGameMenuPictureWidth, kGameMenuPictureHeight, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 0, 204));
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(0, 0, kGameMenuPictureWidth, kGameMenuRowHeight, Qt::black);
    for (int bar = 0; bar < 3; ++bar) p.fillRect(8, 9 + bar * 6, 20, 3, Qt::white);  // columns 8..27
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(36, 0, kGameMenuPictureWidth - 36, kGameMenuRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Game menu"));
    p.end();
    return from_qimage(image, "game menu");
  }();
  return picture;
}

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
