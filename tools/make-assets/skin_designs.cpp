#include "skin_design.h"

namespace vx::assets {
namespace {

SkinDesign tabletop() {
  SkinDesign d;
  d.number = 1;
  d.name = "Vornix Tabletop (blue-green)";
  d.size = {528, 747};
  d.key = QColor(255, 0, 255);
  ScreenLayout& s = d.screen;
  s.glass = {115, 108, 298, 446};
  s.grid = {129, 166};
  s.col_pitch = 54;
  s.row_pitch = 42;
  s.enemy = {50, 30};
  s.shot = {20, 12};
  s.panel = {202, 118};
  s.digit = {28, 40};
  s.digit_pitch = 32;
  DisplayStyle& v = d.display;
  v.main = {QColor(118, 255, 226), QColor(0, 226, 196)};
  v.filtered = {QColor(255, 128, 104), QColor(255, 56, 48)};
  v.filtered_from_row = 9;
  v.glass = QColor(9, 12, 15);
  v.unlit = QColor(27, 30, 34);
  v.filter_gel = QColor(190, 28, 40);
  v.mesh = 6;
  Controls& c = d.controls;
  c.power = {206, 588, 128, 28};
  c.select = {196, 640, 62, 44};
  c.start = {270, 640, 62, 44};
  c.fire = {368, 596, 96, 100};
  c.joystick = {54, 582, 120, 116};
  c.overlay_left = {56, 600, 56, 80};
  c.overlay_right = {116, 600, 56, 80};
  d.paint_case = paint_case_tabletop;
  d.backdrop = backdrop_tabletop;
  d.logo = logo_tabletop;
  d.logo_position = 1;
  d.bg_color = QColor(3, 5, 12);
  return d;
}

SkinDesign starliner() {
  SkinDesign d;
  d.number = 2;
  d.name = "Orvane Starliner (green)";
  d.size = {760, 600};
  d.key = QColor(0, 255, 255);
  ScreenLayout& s = d.screen;
  s.glass = {216, 86, 328, 392};
  s.grid = {230, 144};
  s.col_pitch = 60;
  s.row_pitch = 36;
  s.enemy = {56, 26};
  s.shot = {18, 10};
  s.panel = {322, 96};
  s.digit = {26, 38};
  s.digit_pitch = 30;
  DisplayStyle& v = d.display;
  v.main = {QColor(176, 255, 120), QColor(90, 240, 40)};
  v.filtered = {QColor(255, 214, 120), QColor(255, 160, 20)};
  v.filtered_from_row = 8;
  v.panel_filtered = true;
  v.glass = QColor(12, 14, 11);
  v.unlit = QColor(30, 32, 28);
  v.filter_gel = QColor(220, 140, 20);
  v.mesh = 6;
  Controls& c = d.controls;
  c.power = {230, 510, 130, 30};
  c.select = {384, 506, 62, 44};
  c.start = {456, 506, 62, 44};
  c.fire = {592, 330, 110, 112};
  c.joystick = {50, 318, 130, 128};
  c.overlay_left = {54, 338, 60, 88};
  c.overlay_right = {118, 338, 60, 88};
  d.paint_case = paint_case_starliner;
  d.backdrop = backdrop_starliner;
  d.logo = logo_starliner;
  d.logo_position = 0;
  d.bg_color = QColor(20, 12, 7);
  return d;
}

}  // namespace

const std::vector<SkinDesign>& skin_designs() {
  static const std::vector<SkinDesign> table{tabletop(), starliner()};
  return table;
}

std::string skin_path(const SkinDesign& skin) { return "Graphics\\Skin" + std::to_string(skin.number) + "\\"; }

}  // namespace vx::assets
