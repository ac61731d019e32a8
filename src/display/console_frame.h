// The console window's back buffer: the board painted in drawing order (only the
// boxes that changed), and the window's shape made from the skin's colour key (a
// pixel of exactly the key colour is cut away; on Wayland, which shapes only the
// input, it is also painted see-through). Draws the buffer onto the window through
// the view (zoomed or fitted).
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <bitset>

#include "display/board_painter.h"
#include "display/console_view.h"
#include "display/gfxinit.h"

class QPainter;

namespace vx {

class ConsoleFrame {
 public:
  explicit ConsoleFrame(bool translucent_key) : translucent_key_(translucent_key) {}

  // What the window's shape needs after a repaint.
  enum class Shape { Keep, Cut, Whole };

  // A new buffer of the look's size with every element drawn; the shape is made anew.
  Shape repaint_all(const SpriteBoard& board, const ConsoleWindowLook& look);
  // Redraws the boxes of the changed elements (where they were and where they are);
  // `redrawn` is the canvas region drawn again (empty: nothing).
  Shape repaint(const SpriteBoard& board, const std::bitset<kElementCount>& changed, const ConsoleWindowLook& look,
                QRegion& redrawn);
  // Forgets converted pictures that no element uses any more (after a skin load).
  void prune() { painter_.prune(); }

  const QImage& image() const { return frame_; }
  const BoardPainter& painter() const { return painter_; }
  // The key-colour mask (bit 1 cuts the pixel away) the shape is made from.
  const QImage& shape() const { return shape_; }
  // Draws `region` of the window from the buffer through `view`.
  void paint(QPainter& p, const QRegion& region, const ConsoleView& view, double device_ratio,
             const ConsoleWindowLook& look) const;

 private:
  Shape update_shape(const QRegion& changed, const ConsoleWindowLook& look);
  void paint_scaled(QPainter& p, const QRegion& region, const ConsoleView& view, double device_ratio,
                    const ConsoleWindowLook& look) const;

  bool translucent_key_;
  BoardPainter painter_;
  QImage frame_;
  QImage shape_;
  std::array<QRect, kElementCount> painted_box_{};
};

}  // namespace vx
