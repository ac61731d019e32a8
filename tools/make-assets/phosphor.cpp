#include "phosphor.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "paint.h"
#include "segments.h"

namespace vx::assets {
namespace {

// The filled shape as an alpha mask.
QImage mask_of(const QPainterPath& shape, QSize size, QPointF offset = {}) {
  QImage m = canvas(size);
  QPainter p(&m);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(offset);
  p.fillPath(shape, Qt::white);
  return m;
}

// Colours the mask's coverage with `c` at strength `k` (premultiplied), adding
// into `dst`.
void add_tinted(QImage& dst, const QImage& mask, QColor c, double k) {
  for (int y = 0; y < dst.height(); ++y) {
    auto* d = reinterpret_cast<QRgb*>(dst.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < dst.width(); ++x) {
      const double a = qAlpha(m[x]) / 255.0 * k;
      if (a <= 0) continue;
      auto ch = [&](int base, int add) { return std::min(255, base + static_cast<int>(std::lround(add * a))); };
      d[x] =
          qRgba(ch(qRed(d[x]), c.red()), ch(qGreen(d[x]), c.green()), ch(qBlue(d[x]), c.blue()), ch(qAlpha(d[x]), 255));
    }
  }
}

// Darkens the pixels under the grid mesh (lines every `period` pixels, aligned to
// the console's coordinates).
void apply_mesh(QImage& img, QPoint at, int period, double strength) {
  if (period <= 0) return;
  for (int y = 0; y < img.height(); ++y) {
    auto* d = reinterpret_cast<QRgb*>(img.scanLine(y));
    const bool yline = (at.y() + y) % period == 0;
    for (int x = 0; x < img.width(); ++x) {
      const bool xline = (at.x() + x) % period == 0;
      if (!xline && !yline) continue;
      const double k = 1 - strength * (xline && yline ? 1.4 : 1.0);
      d[x] = qRgba(static_cast<int>(qRed(d[x]) * k), static_cast<int>(qGreen(d[x]) * k),
                   static_cast<int>(qBlue(d[x]) * k), qAlpha(d[x]));
    }
  }
}

QRectF band_of_rows(const ScreenLayout& l, int from_row) {
  const QRect top = l.enemy_box(1, 9), low = l.fire_box(1, from_row);
  return QRectF(l.glass.left(), top.top() - 4, l.glass.width(), low.bottom() + 3 - (top.top() - 4));
}

}  // namespace

bool element_filtered(ElementId id, const DisplayStyle& style) {
  for (int r = style.filtered_from_row; r <= 9; ++r)
    for (int c = 1; c <= 5; ++c)
      if (id == el_enemy(c, r) || id == el_fire(c, r)) return true;
  if (style.panel_filtered) {
    for (int p = 1; p <= 4; ++p)
      if (id == el_panel_digit_pos(p)) return true;
    if ((id >= el_panel_number(0) && id <= el_panel_number(9)) || id == im_panel_letter_g || id == im_panel_letter_o ||
        id == im_panel_letter_d)
      return true;
  }
  return false;
}

QImage lit_picture(const QPainterPath& shape, QSize box, QPoint at, const Phosphor& phosphor, int mesh) {
  const QImage m = mask_of(shape, box);
  QImage out = canvas(box);
  QImage far = m, wide = m, near = m;
  blur(far, 6);
  blur(wide, 3);
  blur(near, 1.1);
  add_tinted(out, far, phosphor.glow, 0.3);
  add_tinted(out, wide, phosphor.glow, 0.6);
  add_tinted(out, near, phosphor.glow, 0.85);
  QImage core = m;
  core.fill(Qt::transparent);
  add_tinted(core, m, phosphor.core, 1.0);
  apply_mesh(core, at, mesh, 0.16);
  // A brighter, whiter heart where the segment is widest.
  QImage heart = m;
  blur(heart, 1.6);
  for (int y = 0; y < heart.height(); ++y) {
    auto* h = reinterpret_cast<QRgb*>(heart.scanLine(y));
    const auto* mm = reinterpret_cast<const QRgb*>(m.constScanLine(y));
    for (int x = 0; x < heart.width(); ++x) {
      const int a = std::max(0, qAlpha(h[x]) * 2 - 300) * qAlpha(mm[x]) / 255;
      h[x] = qRgba(std::min(a, 255), std::min(a, 255), std::min(a, 255), std::min(a, 255));
    }
  }
  {
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, core);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setOpacity(0.28);
    p.drawImage(0, 0, heart);
  }
  return out;
}

QImage screen_picture(bool powered, const ScreenLayout& layout, const DisplayStyle& style) {
  const QRect g = layout.glass;
  const QPointF origin = -QPointF(g.topLeft());
  const QRectF local(0, 0, g.width(), g.height());
  const QPainterPath window = rounded(local, 10);
  const SegmentSets segs = all_segments(layout, [&](ElementId id) { return element_filtered(id, style); });
  const QRectF band =
      style.filtered_from_row <= 9 ? band_of_rows(layout, style.filtered_from_row).translated(origin) : QRectF();
  QRectF panel_band;
  if (style.panel_filtered) {
    const QRect p1 = layout.panel_box(1), p4 = layout.panel_box(4);
    panel_band = QRectF(p1.left() - 8, p1.top() - 3, p4.right() - p1.left() + 17, p1.height() + 6).translated(origin);
  }

  QImage img = canvas(g.size());
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipPath(window);
  if (powered) {
    // The lit tube: black with the faintest phosphor haze, a little brighter in the middle.
    QRadialGradient haze(local.center(), std::max(local.width(), local.height()) * 0.7);
    haze.setColorAt(0, mix(Qt::black, style.main.glow, 0.075));
    haze.setColorAt(1, mix(Qt::black, style.main.glow, 0.02));
    p.fillRect(local, haze);
    for (const QRectF& b : {band, panel_band})
      if (!b.isEmpty()) p.fillRect(b, mix(Qt::black, style.filtered.glow, 0.06));
    // Unlit segments: the phosphor shows faintly, with the same mesh as when lit.
    QImage ghosts = canvas(g.size());
    add_tinted(ghosts, mask_of(segs.main, g.size(), origin), mix(Qt::black, style.main.core, 0.13), 1.0);
    add_tinted(ghosts, mask_of(segs.filtered, g.size(), origin), mix(Qt::black, style.filtered.core, 0.13), 1.0);
    apply_mesh(ghosts, g.topLeft(), style.mesh, 0.25);
    p.drawImage(0, 0, ghosts);
    // The filament wires across the tube, glowing the dimmest orange.
    for (int i = 1; i <= 4; ++i) {
      const double y = local.height() * i / 5.0;
      p.setPen(QPen(QColor(255, 150, 90, 30), 0.7));
      p.drawLine(QPointF(0, y), QPointF(local.width(), y));
    }
  } else {
    // Unpowered: smoked glass over grey metal segments.
    QLinearGradient glass(0, 0, 0, local.height());
    glass.setColorAt(0, style.glass.lighter(125));
    glass.setColorAt(1, style.glass);
    p.fillRect(local, glass);
    p.fillPath(segs.main.translated(origin), style.unlit);
    p.fillPath(segs.filtered.translated(origin), mix(style.unlit, style.filter_gel, 0.3));
    for (const QRectF& b : {band, panel_band})
      if (!b.isEmpty()) p.fillRect(b, alpha(style.filter_gel, 0.13));
  }
  // The glass: a soft reflection across the top left and shade at the rim.
  QLinearGradient sheen(0, 0, local.width() * 0.8, local.height() * 0.55);
  sheen.setColorAt(0, QColor(255, 255, 255, powered ? 16 : 30));
  sheen.setColorAt(0.42, QColor(255, 255, 255, powered ? 6 : 12));
  sheen.setColorAt(0.421, QColor(255, 255, 255, 0));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(local, sheen);
  p.setClipping(false);
  QImage rim = canvas(g.size());
  {
    QPainter rp(&rim);
    rp.setRenderHint(QPainter::Antialiasing);
    QPainterPath outside;
    outside.addRect(local.adjusted(-20, -20, 20, 20));
    rp.fillPath(outside.subtracted(window), QColor(0, 0, 0, 230));
  }
  blur(rim, 4);
  p.setClipPath(window);
  p.drawImage(0, 0, rim);
  p.end();
  return img;
}

}  // namespace vx::assets
