// What the window draws over the console, never on the emulated screen or its
// panel: the steady pause sign while the game waits, and a short note (the volume,
// where a screenshot went, a new high score) that goes by itself after a moment.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>

class QPainter;

namespace vx {

class ConsoleOverlay : public QObject {
 public:
  explicit ConsoleOverlay(QObject* parent = nullptr);

  void set_paused(bool paused);
  bool paused() const { return paused_; }
  // Shows `text` for `ms` milliseconds, replacing the note shown.
  void note(const QString& text, int ms = 2000);
  const QString& note_text() const { return note_; }
  void clear_note();
  // Asked for when what the overlay shows changes (the window repaints).
  std::function<void()> changed;

  // Where the sign and the note go on the window: `playfield` is the emulated
  // screen's area and `panel` the panel's, both on the window; the sign lies over
  // the middle of the playfield and the note along its top, each moved off the panel.
  QRect sign_box(const QRect& playfield, const QRect& panel) const;
  QRect note_box(const QRect& playfield, const QRect& panel) const;
  void paint(QPainter& p, const QRect& playfield, const QRect& panel) const;

 private:
  bool paused_ = false;
  QString note_;
  QTimer note_timer_;
};

}  // namespace vx
