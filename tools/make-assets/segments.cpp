#include "segments.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>

#include "looks.h"
#include "paint.h"

namespace vx::assets {
namespace {

// Design units: an enemy cell is 50 x 30, the ship's square 50 x 42, a mothership
// cell 54 x 30, a shot cell 20 x 12 and a panel digit 28 x 40.
constexpr QSizeF kEnemyDesign{50, 30};
constexpr QSizeF kSquareDesign{50, 42};
constexpr QSizeF kMotherDesign{54, 30};
constexpr QSizeF kShotDesign{20, 12};
constexpr QSizeF kDigitDesign{28, 40};

QPainterPath ellipse(QPointF c, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(c, rx, ry);
  return p;
}

// A polyline drawn as a stroke of the given width with round ends.
QPainterPath stroke(std::initializer_list<QPointF> pts, double width) {
  const QPainterPath line = polyline(pts);
  QPainterPathStroker s;
  s.setWidth(width);
  s.setCapStyle(Qt::RoundCap);
  s.setJoinStyle(Qt::RoundJoin);
  return s.createStroke(line).simplified();
}

// `left` plus its mirror image about x = axis.
QPainterPath mirrored(const QPainterPath& left, double axis) {
  QTransform t(-1, 0, 0, 1, 2 * axis, 0);
  return left.united(t.map(left));
}

// Uniform fit of a design into a box, centred; `stretch` fills the box instead.
QPainterPath fit(const QPainterPath& design, QSizeF design_size, QSize box, bool stretch = false) {
  double sx = box.width() / design_size.width(), sy = box.height() / design_size.height();
  if (!stretch) sx = sy = std::min(sx, sy);
  const double dx = (box.width() - design_size.width() * sx) / 2;
  const double dy = (box.height() - design_size.height() * sy) / 2;
  return QTransform(sx, 0, 0, sy, dx, dy).map(design);
}

// ---- Attackers (50 x 30) ------------------------------------------------------

// The pod: pointed nose up, flat engine below, a cockpit window.
QPainterPath pod() {
  QPainterPath p;
  p.moveTo(25, 2.5);
  p.cubicTo(28.6, 4.6, 30, 9, 30, 14);
  p.lineTo(30, 22.5);
  p.cubicTo(30, 25.5, 28.6, 27.2, 26.6, 27.2);
  p.lineTo(23.4, 27.2);
  p.cubicTo(21.4, 27.2, 20, 25.5, 20, 22.5);
  p.lineTo(20, 14);
  p.cubicTo(20, 9, 21.4, 4.6, 25, 2.5);
  p.closeSubpath();
  p = p.subtracted(ellipse({25, 11.5}, 1.9, 3.0));
  return p.subtracted(polygon({{20, 19.6}, {30, 19.6}, {30, 20.9}, {20, 20.9}}));
}

enum class WingStyle { Claws, Delta, Ring, Fins, Spikes, BurstA, BurstB };

QPainterPath wings(WingStyle style) {
  QPainterPath left;
  switch (style) {
    case WingStyle::Claws:
      left.moveTo(17.5, 3.5);
      left.cubicTo(8, 5, 3, 11, 4, 17);
      left.cubicTo(4.5, 22, 8, 26, 13, 28);
      left.lineTo(15, 25.2);
      left.cubicTo(11, 23.5, 8.8, 20, 8.8, 16.5);
      left.cubicTo(8.8, 11.8, 12, 8.8, 17.5, 8.2);
      left.closeSubpath();
      break;
    case WingStyle::Delta:
      left = polygon({{18, 7.5}, {18, 24.5}, {2.5, 27.5}, {4.5, 21.5}});
      left = left.subtracted(polygon({{14.5, 16}, {16, 16}, {16, 22.5}, {11, 23.4}}));
      break;
    case WingStyle::Ring: {
      const QRectF outer(7, 1.5, 36, 27), inner(11.5, 5.5, 27, 19);
      left.arcMoveTo(outer, 118);
      left.arcTo(outer, 118, 124);
      QPointF end;
      QPainterPath probe;
      probe.arcMoveTo(inner, 242);
      end = probe.currentPosition();
      left.lineTo(end);
      left.arcTo(inner, 242, -124);
      left.closeSubpath();
      left = left.united(ellipse({4.8, 15}, 2.2, 2.2));
      break;
    }
    case WingStyle::Fins:
      left = polygon({{18, 5.5}, {7.5, 2}, {4.5, 6.5}, {18, 11}});
      left = left.united(polygon({{18, 14.5}, {3, 18.5}, {6, 24.5}, {18, 20.5}}));
      left = left.united(polygon({{16.5, 23}, {11.5, 28}, {16.5, 28}}));
      break;
    case WingStyle::Spikes:
      left = polygon({{18, 6.5}, {3.5, 3}, {18, 11.5}});
      left = left.united(polygon({{18, 13}, {1.5, 15.5}, {18, 18}}));
      left = left.united(polygon({{18, 19.5}, {3.5, 28}, {18, 24.5}}));
      break;
    case WingStyle::BurstA:
    case WingStyle::BurstB:
      break;
  }
  return mirrored(left, 25);
}

// ---- The ship's square (50 x 42) ------------------------------------------------

QPainterPath fuselage() { return QTransform::fromTranslate(0, 6.5).map(pod()); }

QPainterPath fighter() {
  QPainterPath left = polygon({{18.2, 18.5}, {18.2, 31}, {9, 34}, {8.5, 29.5}});
  left = left.united(polygon({{8.5, 22}, {10.5, 22}, {10.5, 28.5}, {8.5, 29.2}}));
  return fuselage().united(mirrored(left, 25));
}

QPainterPath dock() {
  QPainterPath p;
  p.moveTo(2, 13.5);
  p.lineTo(5.6, 13.5);
  p.lineTo(5.6, 35.8);
  p.lineTo(44.4, 35.8);
  p.lineTo(44.4, 13.5);
  p.lineTo(48, 13.5);
  p.lineTo(48, 38.2);
  p.quadTo(48, 40.6, 45.6, 40.6);
  p.lineTo(4.4, 40.6);
  p.quadTo(2, 40.6, 2, 38.2);
  p.closeSubpath();
  return p.subtracted(polygon({{14, 37.4}, {36, 37.4}, {36, 38.8}, {14, 38.8}}));
}

// Debris flying out from the ship's square, avoiding the fuselage.
QPainterPath burst(WingStyle style) {
  const QPointF c(25, 21);
  struct Ray {
    double angle, from, to, half_width;
  };
  static constexpr Ray a[] = {{-62, 10.5, 19, 2.0},   {-118, 10.5, 19, 2.0}, {-22, 8.5, 19.5, 2.2},
                              {-158, 8.5, 19.5, 2.2}, {22, 9, 16.5, 1.9},    {158, 9, 16.5, 1.9}};
  static constexpr Ray b[] = {{-78, 13.5, 20, 1.8},   {-102, 13.5, 20, 1.8}, {-40, 9.5, 18.5, 2.1},
                              {-140, 9.5, 18.5, 2.1}, {0, 9, 19.5, 2.0},     {180, 9, 19.5, 2.0},
                              {40, 9.5, 15.5, 1.8},   {140, 9.5, 15.5, 1.8}};
  QPainterPath p;
  const std::span<const Ray> rays = style == WingStyle::BurstA ? std::span<const Ray>(a) : std::span<const Ray>(b);
  for (const Ray& r : rays) {
    const double t = r.angle * M_PI / 180, nx = -std::sin(t), ny = std::cos(t);
    const QPointF base = c + QPointF(std::cos(t), std::sin(t)) * r.from;
    const QPointF tip = c + QPointF(std::cos(t), std::sin(t)) * r.to;
    p = p.united(polygon({base + QPointF(nx, ny) * r.half_width, tip, base - QPointF(nx, ny) * r.half_width}));
  }
  return p.subtracted(fuselage());
}

// ---- Rows 7 to 9 -----------------------------------------------------------------

// Row 7, ten points: a round bug with six legs.
QPainterPath bug() {
  QPainterPath body = ellipse({25, 15}, 7, 6.6);
  body = body.subtracted(ellipse({22.4, 13.6}, 1.5, 1.5)).subtracted(ellipse({27.6, 13.6}, 1.5, 1.5));
  QPainterPath legs = stroke({{16.6, 11.5}, {11, 8}, {8.5, 3}}, 2.4);
  legs = legs.united(stroke({{16.3, 15.6}, {9.5, 15.6}, {5.5, 18.5}}, 2.4));
  legs = legs.united(stroke({{17.3, 19.6}, {12.5, 23.5}, {10.5, 27.8}}, 2.4));
  return body.united(mirrored(legs, 25));
}

// Row 8, twenty points: a saucer with a dome and three legs.
QPainterPath saucer() {
  QPainterPath dome;
  dome.moveTo(16, 12);
  dome.cubicTo(16, 4.5, 34, 4.5, 34, 12);
  dome.closeSubpath();
  QPainterPath disc;
  disc.moveTo(3.5, 17);
  disc.cubicTo(8, 13.2, 42, 13.2, 46.5, 17);
  disc.cubicTo(42, 20.8, 8, 20.8, 3.5, 17);
  disc.closeSubpath();
  for (double x : {14.0, 25.0, 36.0}) disc = disc.subtracted(ellipse({x, 17.1}, 1.3, 1.3));
  QPainterPath legs = stroke({{13.5, 21.6}, {10.5, 27}}, 2.2);
  legs = legs.united(stroke({{25, 22.2}, {25, 27.6}}, 2.2));
  legs = legs.united(stroke({{36.5, 21.6}, {39.5, 27}}, 2.2));
  return dome.united(disc).united(legs);
}

// Row 9: the mothership. Columns 2 to 4 join into one hull; 1 and 5 are escorts.
QPainterPath mothership_part(int col) {
  auto hull_windows = [](QPainterPath hull, double from, double to) {
    for (double x = from; x <= to; x += 7)
      hull = hull.subtracted(polygon({{x, 16.3}, {x + 3.4, 16.3}, {x + 3.4, 19.3}, {x, 19.3}}));
    return hull;
  };
  if (col == 3) {
    QPainterPath hull = hull_windows(polygon({{0, 11.5}, {54, 11.5}, {54, 24}, {0, 24}}), 4.5, 48);
    QPainterPath dome;
    dome.moveTo(12, 9.6);
    dome.cubicTo(12, -1.5, 42, -1.5, 42, 9.6);
    dome.closeSubpath();
    dome = dome.subtracted(ellipse({27, 6.2}, 6, 1.8));
    return hull.united(dome).united(polygon({{16, 26}, {38, 26}, {33, 29.2}, {21, 29.2}}));
  }
  if (col == 2 || col == 4) {
    QPainterPath hull = hull_windows(polygon({{54, 11.5}, {12, 11.5}, {2, 17.75}, {12, 24}, {54, 24}}), 17, 48);
    QPainterPath turret;
    turret.moveTo(28, 9.6);
    turret.cubicTo(28, 3.5, 42, 3.5, 42, 9.6);
    turret.closeSubpath();
    turret = turret.united(polygon({{33.6, 1}, {36.4, 1}, {36.4, 5.5}, {33.6, 5.5}}));
    QPainterPath part = hull.united(turret).united(polygon({{34, 26}, {52, 26}, {48, 29.2}, {39, 29.2}}));
    if (col == 4) part = QTransform(-1, 0, 0, 1, 54, 0).map(part);
    return part;
  }
  QPainterPath pod = polygon({{10, 18}, {17, 10.5}, {37, 10.5}, {44, 18}, {37, 25.5}, {17, 25.5}});
  pod = pod.subtracted(ellipse({27, 18}, 3, 3));
  pod = pod.united(polygon({{24.5, 9.5}, {29.5, 9.5}, {27, 4}}));
  return pod.united(polygon({{24.5, 26.5}, {29.5, 26.5}, {27, 29.5}}));
}

// ---- Shots and the panel ---------------------------------------------------------

QPainterPath shot_streak() {
  QPainterPath p;
  p.addRoundedRect(QRectF(8.4, 1, 3.2, 10), 1.6, 1.6);
  return p;
}

// Seven-segment digits leaning a little to the right; bit 0 = a (top) .. 6 = g.
constexpr int kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr int kLetterG = 0x3D, kLetterO = 0x3F, kLetterD = 0x5E;

QPainterPath seven_segment(int mask) {
  const double t = 4.2, g = 0.9;  // bar thickness, gap at the joints
  const double x0 = 5.5, x1 = 22.5, y0 = 4, ym = 20, y1 = 36;
  auto hbar = [&](double xa, double xb, double y) {
    return polygon({{xa + g, y},
                    {xa + g + t / 2, y - t / 2},
                    {xb - g - t / 2, y - t / 2},
                    {xb - g, y},
                    {xb - g - t / 2, y + t / 2},
                    {xa + g + t / 2, y + t / 2}});
  };
  auto vbar = [&](double x, double ya, double yb) {
    return polygon({{x, ya + g},
                    {x + t / 2, ya + g + t / 2},
                    {x + t / 2, yb - g - t / 2},
                    {x, yb - g},
                    {x - t / 2, yb - g - t / 2},
                    {x - t / 2, ya + g + t / 2}});
  };
  const QPainterPath seg[7] = {hbar(x0, x1, y0), vbar(x1, y0, ym), vbar(x1, ym, y1), hbar(x0, x1, y1),
                               vbar(x0, ym, y1), vbar(x0, y0, ym), hbar(x0, x1, ym)};
  QPainterPath p;
  for (int i = 0; i < 7; ++i)
    if (mask & (1 << i)) p = p.united(seg[i]);
  return QTransform(1, 0, -0.1, 1, 2, 0).map(p);  // lean: x -= 0.1 y
}

// ---- Putting them together ------------------------------------------------------

WingStyle wing_style(int set_col, int set_row) {
  if (set_row == 1) return set_col % 2 == 1 ? WingStyle::BurstA : WingStyle::BurstB;
  if (set_row == 5) return set_col == 3 ? WingStyle::Spikes : WingStyle::Fins;
  switch (set_col) {
    case 1:
    case 5:
      return WingStyle::Claws;
    case 3:
      return WingStyle::Ring;
    default:
      return WingStyle::Delta;
  }
}

QPainterPath look_shape(const LookRef& look, QSize box) {
  const bool square = look.set_row == 1;
  const WingStyle style = wing_style(look.set_col, look.set_row);
  const QPainterPath body = square ? fuselage() : pod();
  const QPainterPath outer = square ? burst(style) : wings(style);
  QPainterPath design = look.kind == LookKind::Body ? body : look.kind == LookKind::Wings ? outer : body.united(outer);
  return fit(design, square ? kSquareDesign : kEnemyDesign, box);
}

}  // namespace

QPainterPath segment_shape(ElementId id, const ScreenLayout& layout) {
  const QSize box = layout.box_of(id).size();
  if (box.isEmpty()) return {};
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c) {
      if (id == el_enemy(c, r)) {
        if (r == 9) return fit(mothership_part(c), kMotherDesign, box, true);
        if (r == 8) return fit(saucer(), kEnemyDesign, box);
        if (r == 7) return fit(bug(), kEnemyDesign, box);
        return look_shape(look_set_of_cell(c, r), box);
      }
      if (r >= 2 && id == el_fire(c, r)) return fit(shot_streak(), kShotDesign, box);
    }
  for (int c = 1; c <= 5; ++c) {
    if (id == el_ship(c) || id == el_ship_whole(c)) return fit(fighter(), kSquareDesign, box);
    if (id == el_ship_dock(c)) return fit(dock(), kSquareDesign, box);
  }
  if (const auto look = look_of_element(id)) return look_shape(*look, box);
  for (int d = 0; d <= 9; ++d)
    if (id == el_panel_number(d)) return fit(seven_segment(kDigitSegments[d]), kDigitDesign, box, true);
  for (int p = 1; p <= 4; ++p)
    if (id == el_panel_digit_pos(p)) return fit(seven_segment(kDigitSegments[8]), kDigitDesign, box, true);
  if (id == im_panel_letter_g) return fit(seven_segment(kLetterG), kDigitDesign, box, true);
  if (id == im_panel_letter_o) return fit(seven_segment(kLetterO), kDigitDesign, box, true);
  if (id == im_panel_letter_d) return fit(seven_segment(kLetterD), kDigitDesign, box, true);
  return {};
}

SegmentSets all_segments(const ScreenLayout& layout, const std::function<bool(ElementId)>& filtered) {
  SegmentSets sets;
  auto add = [&](ElementId id) {
    const QPainterPath shape = segment_shape(id, layout).translated(layout.box_of(id).topLeft());
    QPainterPath& into = filtered(id) ? sets.filtered : sets.main;
    into = into.united(shape);
  };
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c) {
      add(el_enemy(c, r));
      if (r >= 2) add(el_fire(c, r));
      if (r <= 6) {
        const LookRef set = look_set_of_cell(c, r);
        // The body and the wings in this cell (the cell's own picture is the whole).
        for (LookKind k : {LookKind::Body, LookKind::Wings}) {
          QPainterPath& into = filtered(el_enemy(c, r)) ? sets.filtered : sets.main;
          into = into.united(look_shape({set.set_col, set.set_row, k}, layout.enemy_box(c, r).size())
                                 .translated(layout.enemy_box(c, r).topLeft()));
        }
      }
    }
  for (int c = 1; c <= 5; ++c) {
    add(el_ship(c));
    add(el_ship_dock(c));
  }
  for (int p = 1; p <= 4; ++p) add(el_panel_digit_pos(p));
  return sets;
}

}  // namespace vx::assets
