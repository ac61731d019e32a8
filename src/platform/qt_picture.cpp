#include "platform/qt_picture.h"

#include <algorithm>

namespace vx {

QImage to_qimage(const Picture& picture) {
  // Converted here, row by row on this thread: QImage's own conversion hands a
  // large picture to a pool of threads it starts for the purpose, which at
  // start-up costs more than the conversion.
  QImage image(std::max(picture.width, 0), std::max(picture.height, 0), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* from = &picture.argb[static_cast<std::size_t>(y) * picture.width];
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    if (!picture.has_alpha) {
      for (int x = 0; x < picture.width; ++x) to[x] = from[x] | 0xFF000000u;
    } else {
      for (int x = 0; x < picture.width; ++x) to[x] = from[x] >= 0xFF000000u ? from[x] : qPremultiply(from[x]);
    }
  }
  return image;
}

QImage painting_qimage(const Picture& picture) {
  if (picture.has_alpha) return to_qimage(picture);
  return QImage(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height, picture.width * 4,
                QImage::Format_RGB32);
}

PictureRef from_qimage(const QImage& image, std::string label) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  auto p = std::make_shared<Picture>();
  p->width = argb.width();
  p->height = argb.height();
  p->has_alpha = image.hasAlphaChannel();
  p->label = std::move(label);
  p->argb.resize(static_cast<std::size_t>(p->width) * p->height);
  for (int y = 0; y < p->height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
    std::copy(row, row + p->width, p->argb.data() + static_cast<std::ptrdiff_t>(y) * p->width);
  }
  return p;
}

}  // namespace vx
