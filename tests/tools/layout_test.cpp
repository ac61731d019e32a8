// The skins' designs: controls inside the case and apart from each other and
// the screen, every lit segment whole inside its box with room for its glow.
#include <gtest/gtest.h>

#include "segments.h"
#include "skin_design.h"

namespace vx::assets::test {
namespace {

TEST(SkinDesigns, ControlsLieInsideTheConsoleApartFromEachOtherAndTheScreen) {
  for (const SkinDesign& d : skin_designs()) {
    const Controls& c = d.controls;
    const QRect area(QPoint(0, 0), d.size);
    const std::pair<const char*, QRect> boxes[] = {
        {"power", c.power}, {"select", c.select}, {"start", c.start}, {"joystick", c.joystick}, {"fire", c.fire}};
    for (const auto& [name, box] : boxes) {
      EXPECT_TRUE(area.contains(box)) << d.name << ": " << name;
      EXPECT_FALSE(box.intersects(d.screen.glass)) << d.name << ": " << name << " covers the screen";
      for (const auto& [other, other_box] : boxes)
        if (name != other) {
          EXPECT_FALSE(box.intersects(other_box)) << d.name << ": " << name << " and " << other;
        }
    }
    EXPECT_TRUE(c.joystick.contains(c.overlay_left) && c.joystick.contains(c.overlay_right)) << d.name;
    EXPECT_FALSE(c.overlay_left.intersects(c.overlay_right)) << d.name;
    EXPECT_TRUE(area.contains(d.screen.glass)) << d.name;
  }
}

TEST(SkinDesigns, EveryCellAndPanelPositionLiesOnTheScreen) {
  for (const SkinDesign& d : skin_designs())
    for (ElementId id = im_panel_digit_pos_1; id < kSkinElementCount; ++id)
      EXPECT_TRUE(d.screen.glass.contains(d.screen.box_of(id))) << d.name << ": " << element_name(id);
}

TEST(Segments, EverySegmentFitsItsBoxWithRoomToGlow) {
  for (const SkinDesign& d : skin_designs())
    for (ElementId id = im_panel_digit_pos_1; id < kSkinElementCount; ++id) {
      const QRectF box(QPointF(0, 0), QSizeF(d.screen.box_of(id).size()));
      const QRectF shape = segment_shape(id, d.screen).boundingRect();
      ASSERT_FALSE(shape.isEmpty()) << element_name(id);
      bool mothership = false;
      for (int c = 1; c <= 5; ++c) mothership |= id == el_enemy(c, 9);
      // Mothership parts run to the sides of their cells to join their neighbours.
      const double side = mothership ? 0 : 1.5;
      EXPECT_TRUE(shape.left() >= box.left() + side - 0.01 && shape.right() <= box.right() - side + 0.01 &&
                  shape.top() >= box.top() + 0.4 && shape.bottom() <= box.bottom() - 0.4)
          << d.name << ": " << element_name(id) << " shape " << shape.x() << "," << shape.y() << " " << shape.width()
          << "x" << shape.height() << " in " << box.width() << "x" << box.height();
    }
}

}  // namespace
}  // namespace vx::assets::test
