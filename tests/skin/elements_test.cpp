// The element table and the drawing order, by what every user of them relies on:
// each element has its own name that maps back, the 173 skin elements are
// numbered as Skin.ini numbers them, and the drawing order holds every element
// once with each state picture just above the picture it belongs to.
#include "skin/elements.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/drawing_order.h"

namespace vx {
namespace {

TEST(Elements, EveryElementHasItsOwnNameAndTheNameMapsBack) {
  std::set<std::string_view> names;
  for (ElementId id = 0; id < kElementCount; ++id) {
    const std::string_view name = element_name(id);
    EXPECT_FALSE(name.empty()) << id;
    EXPECT_TRUE(names.insert(name).second) << "two elements named " << name;
    EXPECT_EQ(element_by_name(name), id) << name;
  }
  EXPECT_FALSE(element_by_name("im_nothing"));
}

TEST(Elements, EveryCellOfTheGridIsAnElementOfItsOwn) {
  std::set<ElementId> cells;
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 9; ++r) cells.insert(el_enemy(c, r));
    for (int r = 2; r <= 9; ++r) cells.insert(el_fire(c, r));
    cells.insert(el_ship(c));
  }
  EXPECT_EQ(cells.size(), 5u * 9 + 5 * 8 + 5);
  for (ElementId id : cells) EXPECT_LT(id, kSkinElementCount) << element_name(id);
}

TEST(DrawingOrder, EveryElementOnceEachStatePictureJustAboveItsButton) {
  const auto& order = drawing_order();
  std::set<ElementId> seen(order.begin(), order.end());
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kElementCount));
  EXPECT_EQ(order.front(), im_backdrop) << "the backdrop lies beneath everything";
  EXPECT_EQ(order.back(), btn_game_menu_top) << "the game-menu button lies above everything";
  const std::pair<ElementId, ElementId> state_over[] = {{btn_power_on, btn_power_top},
                                                        {btn_select_down, btn_select_top},
                                                        {btn_start_down, btn_start_top},
                                                        {btn_fire_down, btn_fire_top},
                                                        {btn_joystick_placeholder, btn_joystick_top}};
  for (const auto& [state, button] : state_over) {
    EXPECT_TRUE(is_state_picture(state)) << element_name(state);
    EXPECT_FALSE(is_state_picture(button)) << element_name(button);
    const auto at = [&](ElementId id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    EXPECT_EQ(at(state), at(button) + 1) << element_name(state);
  }
  // The other skin elements keep their skin order.
  ElementId last = -1;
  for (ElementId id : order)
    if (id < kSkinElementCount && !is_state_picture(id)) {
      EXPECT_GT(id, last) << element_name(id);
      last = id;
    }
}

}  // namespace
}  // namespace vx
