#include "paint.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vx::assets {
namespace {

// One box pass of half-width `h` along rows (dx = 1) or columns, on 4 channels.
void box_pass(QImage& img, int h, bool horizontal) {
  const int w = img.width(), ht = img.height();
  const int n = horizontal ? w : ht, lines = horizontal ? ht : w;
  std::vector<std::uint32_t> line(static_cast<std::size_t>(n));
  auto* bits = reinterpret_cast<std::uint32_t*>(img.bits());
  const int stride = img.bytesPerLine() / 4;
  const int span = 2 * h + 1;
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> std::uint32_t& { return horizontal ? bits[l * stride + i] : bits[i * stride + l]; };
    for (int i = 0; i < n; ++i) line[i] = at(i);
    long sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
      if (i < 0 || i >= n) return;
      const std::uint32_t v = line[i];
      for (int c = 0; c < 4; ++c) sum[c] += sign * static_cast<long>((v >> (8 * c)) & 0xFF);
    };
    for (int i = -h; i <= h; ++i) add(i, 1);
    for (int i = 0; i < n; ++i) {
      std::uint32_t out = 0;
      for (int c = 0; c < 4; ++c) out |= static_cast<std::uint32_t>((sum[c] + span / 2) / span) << (8 * c);
      at(i) = out;
      add(i - h, -1);
      add(i + h + 1, 1);
    }
  }
}

std::uint32_t hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

QFont make_font(const char* family, double px, bool bold, bool italic) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
  f.setBold(bold);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

QImage canvas(int w, int h, QColor fill) {
  QImage img(std::max(1, w), std::max(1, h), QImage::Format_ARGB32_Premultiplied);
  img.fill(fill);
  return img;
}

void blur(QImage& img, double radius) {
  if (radius <= 0.3) return;
  if (img.format() != QImage::Format_ARGB32_Premultiplied)
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // Three box passes of width w approximate a Gaussian of sigma = radius.
  const int w = std::max(1, static_cast<int>(std::lround(std::sqrt(4.0 * radius * radius + 1.0))));
  const int h = std::max(1, w / 2);
  for (int pass = 0; pass < 3; ++pass) {
    box_pass(img, h, true);
    box_pass(img, h, false);
  }
}

void soft_shape(QPainter& p, const QPainterPath& shape, QColor color, double radius, QPointF offset) {
  const QRectF b = shape.boundingRect().translated(offset);
  const int m = static_cast<int>(std::ceil(radius * 3)) + 2;
  const QRect area = b.toAlignedRect().adjusted(-m, -m, m, m);
  QImage layer = canvas(area.size());
  {
    QPainter lp(&layer);
    lp.setRenderHint(QPainter::Antialiasing);
    lp.translate(-area.topLeft() + offset);
    lp.fillPath(shape, color);
  }
  blur(layer, radius);
  p.drawImage(area.topLeft(), layer);
}

void add_grain(QImage& img, const QPainterPath& area, double amount, std::uint32_t seed, int streak) {
  if (img.format() != QImage::Format_ARGB32_Premultiplied)
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage mask = canvas(img.size());
  {
    QPainter mp(&mask);
    mp.setRenderHint(QPainter::Antialiasing);
    mp.fillPath(area, Qt::white);
  }
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const int cover = qAlpha(m[x]);
      if (!cover) continue;
      const std::uint32_t hv = hash(
          seed * 0x9E3779B9U ^ hash(static_cast<std::uint32_t>(y) * 7919U + static_cast<std::uint32_t>(x / streak)));
      const double n = (static_cast<double>(hv & 0xFFFF) / 65535.0 * 2 - 1) * amount * cover / 255.0;
      const QRgb v = row[x];
      auto ch = [&](int c) { return std::clamp(static_cast<int>(std::lround(c * (1 + n))), 0, qAlpha(v)); };
      row[x] = qRgba(ch(qRed(v)), ch(qGreen(v)), ch(qBlue(v)), qAlpha(v));
    }
  }
}

QFont sans(double px, bool bold, bool italic) { return make_font("Liberation Sans", px, bold, italic); }
QFont serif(double px, bool bold, bool italic) { return make_font("Liberation Serif", px, bold, italic); }
QFont mono(double px, bool bold) { return make_font("Liberation Mono", px, bold, false); }

QPainterPath text_path(const QString& text, const QFont& font, QPointF origin, double spacing) {
  QFont f = font;
  if (spacing != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  QPainterPath path;
  path.addText(origin, f, text);
  return path;
}

QPainterPath text_path_centered(const QString& text, const QFont& font, double center_x, double baseline,
                                double spacing) {
  QPainterPath path = text_path(text, font, {0, baseline}, spacing);
  const QRectF b = path.boundingRect();
  return path.translated(center_x - (b.left() + b.width() / 2), 0);
}

QPainterPath polyline(std::initializer_list<QPointF> pts) {
  QPainterPath p;
  for (const QPointF& q : pts) {
    if (p.elementCount() == 0)
      p.moveTo(q);
    else
      p.lineTo(q);
  }
  return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
  QPainterPath p = polyline(pts);
  p.closeSubpath();
  return p;
}

QLinearGradient vertical(const QRectF& r, std::initializer_list<std::pair<double, QColor>> stops) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
  return g;
}

QPainterPath rounded(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QColor mix(QColor a, QColor b, double t) {
  auto m = [t](double x, double y) { return x + (y - x) * t; };
  return QColor::fromRgbF(static_cast<float>(m(a.redF(), b.redF())), static_cast<float>(m(a.greenF(), b.greenF())),
                          static_cast<float>(m(a.blueF(), b.blueF())), static_cast<float>(m(a.alphaF(), b.alphaF())));
}

QColor alpha(QColor c, double a) {
  c.setAlphaF(static_cast<float>(std::clamp(a, 0.0, 1.0)));
  return c;
}

QImage fit_into(const QImage& img, QSize box) { return img.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation); }

}  // namespace vx::assets
