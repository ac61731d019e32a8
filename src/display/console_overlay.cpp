#include "display/console_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vx {
namespace {

// Off the panel: below it where the playfield has room, else above it.
QRect off_panel(QRect box, const QRect& playfield, const QRect& panel) {
  if (panel.isEmpty() || !box.intersects(panel)) return box;
  const int gap = std::max(2, box.height() / 8);
  if (panel.bottom() + gap + box.height() <= playfield.bottom())
    box.moveTop(panel.bottom() + gap);
  else
    box.moveBottom(panel.top() - gap);
  return box;
}

void plate(QPainter& p, const QRect& box) {
  QPainterPath path;
  path.addRoundedRect(QRectF(box), box.height() / 5.0, box.height() / 5.0);
  p.fillPath(path, QColor(0, 0, 0, 190));
  p.setPen(QPen(QColor(255, 255, 255, 220), std::max(1.0, box.height() / 24.0)));
  p.drawPath(path);
}

}  // namespace

ConsoleOverlay::ConsoleOverlay(QObject* parent) : QObject(parent) {
  note_timer_.setSingleShot(true);
  connect(&note_timer_, &QTimer::timeout, this, [this] { clear_note(); });
}

void ConsoleOverlay::clear_note() {
  note_timer_.stop();
  if (note_.isEmpty()) return;
  note_.clear();
  if (changed) changed();
}

void ConsoleOverlay::set_paused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  if (changed) changed();
}

void ConsoleOverlay::note(const QString& text, int ms) {
  note_ = text;
  note_timer_.start(ms);
  if (changed) changed();
}

QRect ConsoleOverlay::sign_box(const QRect& playfield, const QRect& panel) const {
  const int w = std::max(40, playfield.width() * 4 / 5), h = std::max(16, std::min(w * 2 / 5, playfield.height() / 4));
  QRect box(0, 0, w, h);
  box.moveCenter(playfield.center());
  return off_panel(box, playfield, panel);
}

QRect ConsoleOverlay::note_box(const QRect& playfield, const QRect& panel) const {
  const int h = std::max(14, playfield.height() / 14);
  const QRect box(playfield.left() - playfield.width() / 4, playfield.top() + h / 2, playfield.width() * 3 / 2, h);
  return off_panel(box, playfield, panel);
}

void ConsoleOverlay::paint(QPainter& p, const QRect& playfield, const QRect& panel) const {
  if (!paused_ && note_.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (paused_) {
    const QRect box = sign_box(playfield, panel);
    plate(p, box);
    // Two bars and the word, white on the dark plate.
    const int bar_h = box.height() * 3 / 5, bar_w = std::max(2, box.height() / 7), top = box.top() + (box.height() - bar_h) / 2;
    const int left = box.left() + box.height() / 3;
    p.fillRect(QRect(left, top, bar_w, bar_h), Qt::white);
    p.fillRect(QRect(left + bar_w * 2, top, bar_w, bar_h), Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(8, box.height() * 2 / 5));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(box.adjusted(left + bar_w * 3 - box.left(), 0, 0, 0), Qt::AlignCenter, QStringLiteral("PAUSED"));
  }
  if (!note_.isEmpty()) {
    QRect box = note_box(playfield, panel);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(8, box.height() * 3 / 5));
    p.setFont(f);
    const int text_w = QFontMetrics(f).horizontalAdvance(note_) + box.height();
    const QPoint centre = box.center();
    box.setWidth(text_w);
    box.moveCenter(centre);
    plate(p, box);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, note_);
  }
  p.restore();
}

}  // namespace vx
