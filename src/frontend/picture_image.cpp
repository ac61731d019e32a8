#include "frontend/picture_image.h"

#include <cstring>

namespace vx {

QImage to_qimage(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.argb.size() != static_cast<std::size_t>(picture.width) * picture.height)
    return {};
  QImage image(picture.width, picture.height, picture.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y)
    std::memcpy(image.scanLine(y), &picture.argb[static_cast<std::size_t>(y) * picture.width],
                static_cast<std::size_t>(picture.width) * 4);
  return image;
}

}  // namespace vx
