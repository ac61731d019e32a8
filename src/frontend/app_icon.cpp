#include "frontend/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <vector>

namespace vx {
namespace {

struct Shape {
  enum Kind { RoundRect, Ellipse, Polygon } kind;
  std::uint32_t rgb;
  float x, y, w, h, radius;       // RoundRect, Ellipse (the box)
  std::vector<QPointF> points{};  // Polygon
};

// An enemy: a wedge 32 wide and 18 high, centred on `cx`, its top at `y`.
Shape enemy(float cx, float y) {
  Shape s{Shape::Polygon, 0x59f3ff, 0, 0, 0, 0, 0};
  s.points = {{cx - 16, y}, {cx + 16, y}, {cx + 10, y + 12}, {cx, y + 18}, {cx - 10, y + 12}};
  return s;
}

// Bottom first, on a 256 x 256 canvas. The screen's five columns are centred at
// 58, 93, 128, 163 and 198.
const std::vector<Shape>& shapes() {
  static const std::vector<Shape> kShapes{
      {Shape::RoundRect, 0x1d2748, 12, 20, 232, 220, 36},  // the case's shadow edge
      {Shape::RoundRect, 0x33457e, 12, 12, 232, 220, 36},  // the case
      {Shape::RoundRect, 0x0b0e14, 40, 32, 176, 136, 14},  // the screen
      // The fleet, glowing cyan.
      enemy(58, 44),
      enemy(128, 44),
      enemy(198, 44),
      enemy(93, 72),
      enemy(163, 72),
      {Shape::RoundRect, 0xffc247, 89, 102, 8, 22, 3},                                // the shot, amber
      {Shape::Polygon, 0x7dffb0, 0, 0, 0, 0, 0, {{93, 130}, {117, 158}, {69, 158}}},  // the ship
      {Shape::Ellipse, 0x151a29, 40, 180, 40, 40, 0},                                 // the joystick's well
      {Shape::Ellipse, 0xc9cfdc, 48, 188, 24, 24, 0},                                 // its knob
      {Shape::Ellipse, 0x7a1320, 172, 180, 44, 44, 0},                                // the fire button's rim
      {Shape::Ellipse, 0xe8303f, 176, 182, 36, 36, 0},                                // the fire button
  };
  return kShapes;
}

}  // namespace

QImage draw_app_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  p.setPen(Qt::NoPen);
  for (const Shape& s : shapes()) {
    p.setBrush(QColor::fromRgb(s.rgb));
    switch (s.kind) {
      case Shape::RoundRect:
        p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.radius, s.radius);
        break;
      case Shape::Ellipse:
        p.drawEllipse(QRectF(s.x, s.y, s.w, s.h));
        break;
      case Shape::Polygon:
        p.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
        break;
    }
  }
  return image;
}

std::string app_icon_svg() {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
  char buf[256];
  for (const Shape& s : shapes()) {
    char fill[8];
    std::snprintf(fill, sizeof fill, "#%06x", static_cast<unsigned>(s.rgb));
    switch (s.kind) {
      case Shape::RoundRect:
        std::snprintf(buf, sizeof buf, "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"%s\"/>\n",
                      s.x, s.y, s.w, s.h, s.radius, fill);
        svg += buf;
        break;
      case Shape::Ellipse:
        std::snprintf(buf, sizeof buf, "  <ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"%s\"/>\n",
                      s.x + s.w / 2, s.y + s.h / 2, s.w / 2, s.h / 2, fill);
        svg += buf;
        break;
      case Shape::Polygon: {
        svg += "  <polygon points=\"";
        for (std::size_t i = 0; i < s.points.size(); ++i) {
          std::snprintf(buf, sizeof buf, "%s%g,%g", i ? " " : "", s.points[i].x(), s.points[i].y());
          svg += buf;
        }
        svg += "\" fill=\"" + std::string(fill) + "\"/>\n";
        break;
      }
    }
  }
  return svg + "</svg>\n";
}

QIcon app_icon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(draw_app_icon(size)));
  return icon;
}

}  // namespace vx
