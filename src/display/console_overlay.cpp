#include "display/console_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
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
    // Two bars and the word, white on the dark plate, centred together.
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(8, box.height() * 7 / 20));
    const int bar_h = box.height() * 11 / 20, bar_w = std::max(2, box.height() / 8);
    const int word_w = QFontMetrics(f).horizontalAdvance(QStringLiteral("PAUSED"));
    const int gap = bar_w * 3 / 2, whole = bar_w * 2 + gap + bar_w * 2 + word_w;
    const int left = box.left() + (box.width() - whole) / 2, top = box.top() + (box.height() - bar_h) / 2;
    p.fillRect(QRect(left, top, bar_w, bar_h), Qt::white);
    p.fillRect(QRect(left + bar_w + gap, top, bar_w, bar_h), Qt::white);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(left + bar_w * 2 + gap + bar_w * 2, box.top(), word_w + 2, box.height()), Qt::AlignVCenter,
               QStringLiteral("PAUSED"));
  }
  if (!note_.isEmpty()) {
    // As large as the box allows, no wider than a little past the playfield (the
    // window's shape may end soon after it); a line too long even so is shortened
    // in the middle.
    const QRect room = note_box(playfield, panel);
    const QStringList lines = note_.split(QLatin1Char('\n'));
    const int widest = playfield.width() * 11 / 10, pad = room.height() / 2;
    QFont f = p.font();
    f.setBold(true);
    int size = std::max(8, room.height() * 3 / 5);
    const auto wide = [&](int px) {
      f.setPixelSize(px);
      int w = 0;
      for (const QString& line : lines) w = std::max(w, QFontMetrics(f).horizontalAdvance(line));
      return w;
    };
    while (size > 8 && wide(size) + pad > widest) --size;
    const int text_w = std::min(wide(size), widest - pad);
    const QFontMetrics metrics(f);
    QRect box(0, 0, text_w + pad, metrics.height() * static_cast<int>(lines.size()) + pad / 2);
    box.moveCenter(QPoint(playfield.center().x(), room.top() + box.height() / 2));
    box = off_panel(box, playfield, panel);
    plate(p, box);
    p.setFont(f);
    p.setPen(Qt::white);
    for (int i = 0; i < lines.size(); ++i)
      p.drawText(QRect(box.left() + pad / 2, box.top() + pad / 4 + metrics.height() * i, text_w, metrics.height()),
                 Qt::AlignCenter, metrics.elidedText(lines[i], Qt::ElideMiddle, text_w));
  }
  p.restore();
}

}  // namespace vx
