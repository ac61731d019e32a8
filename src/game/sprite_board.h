// The board of the console window's picture elements: for each element its box,
// picture, visibility and hint. The game lights cells through it; the window
// paints it and repaints only the elements marked changed.
#pragma once

#include <array>
#include <bitset>
#include <string>

#include "skin/elements.h"
#include "skin/picture.h"

namespace vx {

struct Sprite {
  int left = 0, top = 0, width = 0, height = 0;
  PictureRef picture;     // empty: shows nothing
  ElementId source = -1;  // the element whose picture was last copied in, -1 if none
  bool visible = false;
  bool transparent = false;
  std::string hint;
};

class SpriteBoard {
 public:
  SpriteBoard();

  const Sprite& operator[](ElementId id) const { return sprites_[id]; }

  void show(ElementId id, bool visible);
  // Gives `id` the picture of the source element (shared, not copied).
  void set_picture_from(ElementId id, ElementId source);
  // Sets a picture of its own (skin loading); forgets any source.
  void set_picture(ElementId id, PictureRef picture);
  void clear_picture(ElementId id);
  void set_box(ElementId id, int left, int top, int width, int height);
  void set_hint(ElementId id, std::string text);

  // Elements changed since the last call of take_changed().
  std::bitset<kElementCount> take_changed();
  bool any_changed() const { return changed_.any(); }

 private:
  std::array<Sprite, kElementCount> sprites_{};
  std::bitset<kElementCount> changed_;
};

}  // namespace vx
