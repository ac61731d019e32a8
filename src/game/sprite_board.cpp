#include "game/sprite_board.h"

#include <utility>

namespace vx {

SpriteBoard::SpriteBoard() {
  for (ElementId id = 0; id < kElementCount; ++id) sprites_[id].transparent = element_transparent(id);
}

void SpriteBoard::show(ElementId id, bool visible) {
  if (sprites_[id].visible == visible) return;
  sprites_[id].visible = visible;
  changed_.set(id);
}

void SpriteBoard::set_picture_from(ElementId id, ElementId source) {
  Sprite& s = sprites_[id];
  if (s.source == source && s.picture == sprites_[source].picture) return;
  s.picture = sprites_[source].picture;
  s.source = source;
  changed_.set(id);
}

void SpriteBoard::set_picture(ElementId id, PictureRef picture) {
  sprites_[id].picture = std::move(picture);
  sprites_[id].source = -1;
  changed_.set(id);
}

void SpriteBoard::clear_picture(ElementId id) {
  Sprite& s = sprites_[id];
  if (!s.picture && s.source == -1) return;
  s.picture.reset();
  s.source = -1;
  changed_.set(id);
}

void SpriteBoard::set_box(ElementId id, int left, int top, int width, int height) {
  Sprite& s = sprites_[id];
  s.left = left;
  s.top = top;
  s.width = width;
  s.height = height;
  changed_.set(id);
}

void SpriteBoard::set_hint(ElementId id, std::string text) { sprites_[id].hint = std::move(text); }

std::bitset<kElementCount> SpriteBoard::take_changed() {
  auto c = changed_;
  changed_.reset();
  return c;
}

}  // namespace vx
