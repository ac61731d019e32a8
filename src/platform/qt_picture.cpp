#include "platform/qt_picture.h"

#include <algorithm>

namespace vx {

QImage to_qimage(const Picture& picture) {
  QImage image(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
               picture.width * 4, picture.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
    std::copy(row, row + p->width, p->argb.begin() + static_cast<std::ptrdiff_t>(y) * p->width);
  }
  return p;
}

}  // namespace vx
