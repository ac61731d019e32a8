// Pictures as Qt images, for the forms that paint them.
#pragma once

#include <QImage>

#include "platform/picture.h"

namespace vx {

// A deep copy of `picture` (ARGB32; an empty picture gives a null image).
QImage to_qimage(const Picture& picture);

}  // namespace vx
