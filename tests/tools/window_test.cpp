// Both skins drawn as the console window draws them: the window's shape comes from
// the colour key, every cell of the screen and the panel lights, and every
// control has a pressed or tilted look of its own.
#include <gtest/gtest.h>

#include <QImage>
#include <queue>

#include "asset_files.h"
#include "compose.h"
#include "skin_file.h"

namespace vx::assets::test {
namespace {

struct Composed {
  SkinFile skin;
  QColor key;
};

std::vector<Composed> installed() {
  std::vector<Composed> out;
  for (const auto& folder : skin_folders()) {
    std::string error;
    auto skin = read_skin_file(folder, "Skin.ini", error);
    EXPECT_TRUE(skin) << error;
    if (!skin) continue;
    const auto key = parse_colour(skin->transp_color);
    EXPECT_TRUE(key) << folder << ": TranspColor " << skin->transp_color;
    out.push_back({*skin, key.value_or(Qt::black)});
  }
  return out;
}

int brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

TEST(WindowShape, KeyColourSurroundsTheCaseWithoutHoles) {
  for (const Composed& c : installed()) {
    const QImage frame = compose_window(c.skin, ComposeState::On);
    const int w = frame.width(), h = frame.height();
    const QRgb key = c.key.rgb() | 0xFF000000u;
    auto is_key = [&](int x, int y) { return (frame.pixel(x, y) | 0xFF000000u) == key; };
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_TRUE(is_key(corner.x(), corner.y())) << c.skin.folder << ": the window is shaped, corner " << corner.x();
    // Key pixels not connected to the edge would be holes in the console.
    std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
    std::queue<QPoint> todo;
    for (int x = 0; x < w; ++x) todo.push({x, 0}), todo.push({x, h - 1});
    for (int y = 0; y < h; ++y) todo.push({0, y}), todo.push({w - 1, y});
    int outside = 0;
    while (!todo.empty()) {
      const QPoint p = todo.front();
      todo.pop();
      if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) continue;
      char& s = seen[static_cast<std::size_t>(p.y()) * w + p.x()];
      if (s || !is_key(p.x(), p.y())) continue;
      s = 1;
      ++outside;
      todo.push({p.x() + 1, p.y()}), todo.push({p.x() - 1, p.y()}), todo.push({p.x(), p.y() + 1}),
          todo.push({p.x(), p.y() - 1});
    }
    int holes = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) holes += is_key(x, y) && !seen[static_cast<std::size_t>(y) * w + x];
    EXPECT_EQ(holes, 0) << c.skin.folder;
    EXPECT_LT(outside, w * h / 3) << c.skin.folder << ": the case fills most of the console area";
  }
}

TEST(WindowShape, TheCasePictureKeysByItsBottomLeftPixel) {
  // Drawn transparently without alpha, im_background shows its bottom-left
  // colour as see-through: that must be the key, or the window gets no shape.
  for (const Composed& c : installed()) {
    const auto png = read_png_file(*find_in_folder(c.skin.folder, c.skin.images[im_background].filename));
    ASSERT_TRUE(png);
    EXPECT_FALSE(png->alpha);
    EXPECT_EQ(png->at(0, png->height - 1) & 0xFFFFFF, c.key.rgb() & 0xFFFFFF) << c.skin.folder;
  }
}

TEST(Screen, EveryCellAndPanelPositionLightsWhenOn) {
  for (const Composed& c : installed()) {
    const QImage off = compose_window(c.skin, ComposeState::Off);
    const QImage on = compose_window(c.skin, ComposeState::On);
    std::vector<ElementId> lit;
    for (int col = 1; col <= 5; ++col) {
      for (int r = 1; r <= 9; ++r) lit.push_back(el_enemy(col, r));
      for (int r = 2; r <= 9; ++r) lit.push_back(el_fire(col, r));
    }
    for (int p = 1; p <= 4; ++p) lit.push_back(el_panel_digit_pos(p));
    for (ElementId id : lit) {
      const QRect box = c.skin.images[id].box;
      int gain = 0;
      for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
          gain = std::max(gain, brightness(on.pixel(x, y)) - brightness(off.pixel(x, y)));
      EXPECT_GT(gain, 300) << c.skin.folder << ": " << element_name(id) << " glows when lit";
    }
    // Off, the screen is dark glass.
    const QRect glass = c.skin.images[im_background_screen_top].box;
    long sum = 0;
    for (int y = glass.top(); y <= glass.bottom(); ++y)
      for (int x = glass.left(); x <= glass.right(); ++x) sum += brightness(off.pixel(x, y));
    EXPECT_LT(sum / (glass.width() * glass.height()), 90) << c.skin.folder;
  }
}

TEST(Controls, EveryStatePictureLooksDifferentFromItsButton) {
  const std::pair<ElementId, ElementId> pairs[] = {
      {btn_power_on, btn_power_top},          {btn_select_down, btn_select_top},
      {btn_start_down, btn_start_top},        {btn_fire_down, btn_fire_top},
      {btn_joystick_left, btn_joystick_top},  {btn_joystick_right, btn_joystick_top},
      {btn_joystick_left, btn_joystick_right}};
  for (const Composed& c : installed())
    for (const auto& [state, normal] : pairs) {
      const auto a = read_png_file(*find_in_folder(c.skin.folder, c.skin.images[state].filename));
      const auto b = read_png_file(*find_in_folder(c.skin.folder, c.skin.images[normal].filename));
      ASSERT_TRUE(a && b);
      ASSERT_TRUE(a->width == b->width && a->height == b->height) << element_name(state);
      EXPECT_EQ(c.skin.images[state].box, c.skin.images[normal].box) << element_name(state) << " sits on its button";
      int changed = 0;
      for (int y = 0; y < a->height; ++y)
        for (int x = 0; x < a->width; ++x) changed += a->at(x, y) != b->at(x, y);
      EXPECT_GT(changed, a->width * a->height / 20) << c.skin.folder << ": " << element_name(state);
    }
}

TEST(Controls, TheEmptyJoystickPlaceholderShowsNothing) {
  for (const Composed& c : installed()) {
    const auto png = read_png_file(*find_in_folder(c.skin.folder, c.skin.images[btn_joystick_placeholder].filename));
    ASSERT_TRUE(png && png->alpha);
    for (int y = 0; y < png->height; ++y)
      for (int x = 0; x < png->width; ++x) ASSERT_EQ(png->at(x, y) >> 24, 0u);
  }
}

}  // namespace
}  // namespace vx::assets::test
