// Pictures between the toolkit-free form and Qt images (copies both ways).
#pragma once

#include <QImage>
#include <string>

#include "skin/picture.h"

namespace vx {

// Premultiplied ARGB; opaque when the picture has no alpha channel.
QImage to_qimage(const Picture& picture);
// The same pixels for painting, without a copy where none is needed: an opaque
// picture is read where it is (the picture must outlive the image), one with an
// alpha channel is converted.
QImage painting_qimage(const Picture& picture);
PictureRef from_qimage(const QImage& image, std::string label);

}  // namespace vx
