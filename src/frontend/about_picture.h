// The about box's picture, drawn by the program: the author as a silhouette
// under a night sky, 116 by 160 pixels.
#pragma once

#include <QImage>

namespace vx {

QImage about_picture();

}  // namespace vx
