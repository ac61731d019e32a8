#include "skin/picture.h"

namespace vx {

PictureRef placeholder_picture() {
  static const PictureRef shared = [] {
    auto p = std::make_shared<Picture>();
    p->width = p->height = 10;
    p->label = "placeholder";
    p->argb.resize(100);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        const bool edge = x == 0 || y == 0 || x == 9 || y == 9;
        p->argb[y * 10 + x] = edge ? 0xFF000000u : 0xFFFF0000u;
      }
    return PictureRef(p);
  }();
  return shared;
}

}  // namespace vx
