#include "display/board_painter.h"

#include <QPainter>

#include "display/mouse_map.h"
#include "platform/qt_picture.h"

namespace vx {

const QImage& BoardPainter::image_for(const PictureRef& picture, bool keyed) {
  auto& cache = keyed ? keyed_ : plain_;
  if (auto it = cache.find(picture.get()); it != cache.end()) return it->second.image;
  // An opaque picture drawn as it is needs no copy (the cache keeps the picture alive).
  QImage image;
  if (!keyed || picture->width <= 0 || picture->height <= 0) {
    image = keyed ? to_qimage(*picture) : painting_qimage(*picture);
  } else {
    // A keyed picture has no alpha of its own: each pixel is opaque, or clear where
    // it has the colour of its bottom-left pixel. Made in one pass.
    const int width = picture->width, height = picture->height;
    image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t key = picture->pixel(0, height - 1) | 0xFF000000u;
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
      const std::uint32_t* source = &picture->argb[static_cast<std::size_t>(y) * width];
      for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = source[x] | 0xFF000000u;
        row[x] = pixel == key ? 0 : pixel;
      }
    }
  }
  return cache.emplace(picture.get(), Cached{picture, std::move(image)}).first->second.image;
}

void BoardPainter::prune() {
  for (auto* cache : {&plain_, &keyed_})
    std::erase_if(*cache, [](const auto& entry) { return entry.second.picture.use_count() == 1; });
}

std::pair<int, std::int64_t> BoardPainter::converted() const {
  std::pair<int, std::int64_t> held{0, 0};
  for (const auto* cache : {&plain_, &keyed_})
    for (const auto& [picture, cached] : *cache)
      if (cached.image.constBits() != reinterpret_cast<const uchar*>(picture->argb.data())) {
        ++held.first;
        held.second += cached.image.sizeInBytes();
      }
  return held;
}

void BoardPainter::paint(QImage& frame, const QRegion& region, const SpriteBoard& board, QColor window_colour,
                         bool backdrop_stretch) {
  QPainter painter(&frame);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& r : region) painter.fillRect(r, window_colour);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QRect bounds = region.boundingRect();
  for (ElementId id : drawing_order()) {
    const Sprite& s = board[id];
    if (!s.visible || !s.picture || s.width <= 0 || s.height <= 0) continue;
    const QRect box(s.left, s.top, s.width, s.height);
    if (!box.intersects(bounds) || !region.intersects(box)) continue;
    const bool keyed = s.transparent && !s.picture->has_alpha;
    const QImage& image = image_for(s.picture, keyed);
    const QRegion part = region.intersected(box);
    if (id == im_backdrop && backdrop_stretch) {
      painter.save();
      painter.setClipRegion(part);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(box, image);
      painter.restore();
      continue;
    }
    const QPoint at = id == im_backdrop ? QPoint(box.left() + (box.width() - image.width()) / 2,
                                                 box.top() + (box.height() - image.height()) / 2)
                                        : box.topLeft();
    // Rectangle by rectangle: clipped to a region of several, the painter hands
    // each drawing to a pool of threads (started for it, and waited for), which
    // costs more than drawings of this size.
    for (const QRect& r : part) painter.drawImage(r.topLeft(), image, r.translated(-at));
  }
}

}  // namespace vx
