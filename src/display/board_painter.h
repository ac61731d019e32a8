// Draws the console's picture elements into the window's back buffer: each in
// its box, in drawing order, over the window's colour. A picture is drawn at its
// natural size from the box's top-left corner and clipped to the box (the backdrop
// is centred in its box or stretched to it). A picture with an alpha channel uses
// it; in an element drawn transparently, a picture without alpha sees through
// wherever it has the colour of its bottom-left pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "game/sprite_board.h"

class QPainter;

namespace vx {

class BoardPainter {
 public:
  // Redraws `region` of `frame` from the board.
  void paint(QImage& frame, const QRegion& region, const SpriteBoard& board, QColor window_colour,
             bool backdrop_stretch);
  // Forgets converted pictures that no element uses any more.
  void prune();
  // The converted pictures held (those drawn straight from a picture's pixels
  // hold none of their own): how many, and their bytes.
  std::pair<int, std::int64_t> converted() const;

  // The picture as drawn: premultiplied ARGB, keyed when asked.
  const QImage& image_for(const PictureRef& picture, bool keyed);

 private:
  struct Cached {
    PictureRef picture;  // keeps the address valid while cached
    QImage image;
  };
  std::unordered_map<const Picture*, Cached> plain_, keyed_;
};

}  // namespace vx
