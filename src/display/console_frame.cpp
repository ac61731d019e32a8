#include "display/console_frame.h"

#include <QPainter>
#include <array>
#include <bit>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/message_box.h"

namespace vx {
namespace {

// A shape of more pieces than this would cost the window system far more than the
// console itself (a key-coloured checkerboard makes millions of rectangles): the
// window is then kept whole instead.
constexpr int kMaxShapeRuns = 65536;

// The bits set in each byte (std::popcount is a library call on the baseline x86-64).
constexpr auto kBitsSet = [] {
  std::array<unsigned char, 256> n{};
  for (unsigned b = 0; b < 256; ++b) n[b] = static_cast<unsigned char>(std::popcount(b));
  return n;
}();

// The runs of cut-away pixels (bit 1) of a shape, row by row.
int cut_runs(const QImage& shape) {
  const int width = shape.width(), bytes = (width + 7) / 8;
  const unsigned last_mask = width % 8 ? (1u << width % 8) - 1 : 0xFFu;  // pixels within the row
  int runs = 0;
  for (int y = 0; y < shape.height(); ++y) {
    const uchar* bits = shape.constScanLine(y);
    unsigned before = 0;  // the bit of the pixel left of this byte
    for (int i = 0; i < bytes; ++i) {
      const unsigned b = bits[i] & (i == bytes - 1 ? last_mask : 0xFFu);
      runs += kBitsSet[b & ~((b << 1) | before) & 0xFFu];  // a cut pixel after a kept one
      before = b >> 7;
    }
  }
  return runs;
}

// Bit i set where pixel i of the eight at `p` is `key`.
unsigned key_bits(const QRgb* p, QRgb key) {
#if defined(__SSE2__)
  const __m128i k = _mm_set1_epi32(static_cast<int>(key));
  const __m128i low = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), k);
  const __m128i high = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)), k);
  return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(low)) |
                               _mm_movemask_ps(_mm_castsi128_ps(high)) << 4);
#else
  unsigned byte = 0;
  for (int i = 0; i < 8; ++i) byte |= static_cast<unsigned>(p[i] == key) << i;
  return byte;
#endif
}

QRect box_of(const Sprite& s) { return QRect(s.left, s.top, s.width, s.height); }
QColor window_colour(const ConsoleWindowLook& look) { return QColor::fromRgb(colour_to_rgb(look.colour)); }

}  // namespace

ConsoleFrame::Shape ConsoleFrame::repaint_all(const SpriteBoard& board, const ConsoleWindowLook& look) {
  const QSize size(std::max(1, look.client_width), std::max(1, look.client_height));
  frame_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  for (ElementId id = 0; id < kElementCount; ++id) painted_box_[id] = box_of(board[id]);
  const QRegion all(QRect(QPoint(0, 0), size));
  painter_.paint(frame_, all, board, window_colour(look), look.backdrop_stretch);
  shape_ = QImage();
  if (!look.colour_key) return Shape::Whole;  // full screen: no shape
  const Shape s = update_shape(all, look);
  return s == Shape::Keep ? Shape::Cut : s;
}

ConsoleFrame::Shape ConsoleFrame::repaint(const SpriteBoard& board, const std::bitset<kElementCount>& changed,
                                          const ConsoleWindowLook& look, QRegion& redrawn) {
  redrawn = QRegion();
  if (!changed.any() || frame_.isNull()) return Shape::Keep;
  const QRect client(QPoint(0, 0), frame_.size());
  for (ElementId id = 0; id < kElementCount; ++id) {
    if (!changed.test(id)) continue;
    const QRect now = box_of(board[id]);
    redrawn += painted_box_[id].intersected(client);
    redrawn += now.intersected(client);
    painted_box_[id] = now;
  }
  if (redrawn.isEmpty()) return Shape::Keep;
  painter_.paint(frame_, redrawn, board, window_colour(look), look.backdrop_stretch);
  return update_shape(redrawn, look);
}

ConsoleFrame::Shape ConsoleFrame::update_shape(const QRegion& changed, const ConsoleWindowLook& look) {
  if (!look.colour_key) return Shape::Keep;  // repaint_all() cleared the shape
  bool reshape = false;
  if (shape_.size() != frame_.size()) {
    // Bit 0 (black) keeps a pixel, bit 1 (white) cuts it away.
    shape_ = QImage(frame_.size(), QImage::Format_MonoLSB);
    shape_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    shape_.fill(0);
    reshape = true;
  }
  const QRgb key = colour_to_rgb(look.colour) | 0xFF000000u;
  for (const QRect& r : changed)
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(frame_.scanLine(y));
      uchar* bits = shape_.scanLine(y);
      int x = r.left();
      const int end = r.right() + 1;
      // Eight pixels make one byte of the shape: whole bytes at a time where the
      // row allows (a skin load reshapes every pixel), single bits at the ends.
      auto one = [&](int at) {
        const bool see_through = row[at] == key;
        // Wayland shapes only the input region: the key colour is painted see-through.
        if (see_through && translucent_key_) row[at] = 0;
        const bool was = bits[at >> 3] >> (at & 7) & 1;
        if (was == see_through) return;
        bits[at >> 3] ^= static_cast<uchar>(1u << (at & 7));
        reshape = true;
      };
      for (; x < end && (x & 7) != 0; ++x) one(x);
      for (; x + 8 <= end; x += 8) {
        const unsigned byte = key_bits(row + x, key);
        if (byte != 0 && translucent_key_)
          for (int i = 0; i < 8; ++i)
            if (byte >> i & 1) row[x + i] = 0;
        if (bits[x >> 3] == byte) continue;
        bits[x >> 3] = static_cast<uchar>(byte);
        reshape = true;
      }
      for (; x < end; ++x) one(x);
    }
  if (!reshape) return Shape::Keep;
  if (cut_runs(shape_) <= kMaxShapeRuns) return Shape::Cut;
  static bool said = false;
  if (!said)
    say_line("the window's shape has more than " + std::to_string(kMaxShapeRuns) +
             " pieces; the window is shown whole\n");
  said = true;
  return Shape::Whole;
}

void ConsoleFrame::paint(QPainter& p, const QRegion& region, const ConsoleView& view, double device_ratio,
                         const ConsoleWindowLook& look) const {
  if (translucent_key_) p.setCompositionMode(QPainter::CompositionMode_Source);
  if (view.identity()) {
    for (const QRect& r : region) p.drawImage(r, frame_, r);
  } else {
    paint_scaled(p, region, view, device_ratio, look);  // zoomed or fitted
  }
}

void ConsoleFrame::paint_scaled(QPainter& p, const QRegion& region, const ConsoleView& view, double device_ratio,
                                const ConsoleWindowLook& look) const {
  p.setClipRegion(region);
  p.scale(view.scale, view.scale);
  if (view.sharp(device_ratio) || !look.colour_key) {
    // Whole device pixels per console pixel draw sharp, others smooth.
    p.setRenderHint(QPainter::SmoothPixmapTransform, !view.sharp(device_ratio));
    p.drawImage(0, 0, frame_);
    return;
  }
  // Smooth and shaped: the key colour must not bleed into the console's edge, so
  // the part drawn sees through it (the edge fades to dark instead).
  const QRect window = region.boundingRect();
  const QRect part =
      QRect(view.to_console(window.topLeft()) - QPoint(2, 2), view.to_console(window.bottomRight()) + QPoint(2, 2))
          .intersected(frame_.rect());
  QImage source = frame_.copy(part);
  const QRgb key = colour_to_rgb(look.colour) | 0xFF000000u;
  for (int y = 0; y < source.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(source.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      if (row[x] == key) row[x] = 0;
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(part.topLeft(), source);
}

}  // namespace vx
