// Pictures between the toolkit-free form and Qt images (copies both ways).
#pragma once

#include <QImage>
#include <string>

#include "skin/picture.h"

namespace vx {

// Premultiplied ARGB; opaque when the picture has no alpha channel.
QImage to_qimage(const Picture& picture);
PictureRef from_qimage(const QImage& image, std::string label);

}  // namespace vx
