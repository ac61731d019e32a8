// Small painting tools shared by every picture make-assets draws: canvases, blur
// and glow, drop shadows, grain, fonts and text. All deterministic, so a build
// writes the same pictures every time.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace vx::assets {

// A transparent (or filled) canvas in premultiplied ARGB.
QImage canvas(int w, int h, QColor fill = Qt::transparent);
inline QImage canvas(QSize s, QColor fill = Qt::transparent) { return canvas(s.width(), s.height(), fill); }

// Gaussian-like blur (three box passes) of a premultiplied ARGB image, in place.
void blur(QImage& img, double radius);

// Paints `shape` filled with `color`, blurred by `radius`, offset by `offset`: a soft
// shadow or halo under whatever is painted next.
void soft_shape(QPainter& p, const QPainterPath& shape, QColor color, double radius, QPointF offset = {});

// Multiplies the colour of the pixels inside `area` by a deterministic grain of
// +-`amount` (0..1); `streak` > 1 stretches it horizontally (brushed metal).
void add_grain(QImage& img, const QPainterPath& area, double amount, std::uint32_t seed, int streak = 1);

// Fonts of the installation's pictures, by pixel size. Sans is Arial-metric.
QFont sans(double px, bool bold = false, bool italic = false);
QFont serif(double px, bool bold = false, bool italic = false);
QFont mono(double px, bool bold = false);

// Text as an outline, its baseline starting at `origin`; `spacing` adds pixels
// between letters.
QPainterPath text_path(const QString& text, const QFont& font, QPointF origin, double spacing = 0);
// The same, centred horizontally on `center_x`.
QPainterPath text_path_centered(const QString& text, const QFont& font, double center_x, double baseline,
                                double spacing = 0);

// An open polyline and a closed polygon through the points.
QPainterPath polyline(std::initializer_list<QPointF> pts);
QPainterPath polygon(std::initializer_list<QPointF> pts);

// A top-to-bottom gradient across `r` with the given stops (0..1, colour).
QLinearGradient vertical(const QRectF& r, std::initializer_list<std::pair<double, QColor>> stops);

// A rounded rectangle path.
QPainterPath rounded(const QRectF& r, double radius);

// Mixes a and b: t = 0 gives a, 1 gives b.
QColor mix(QColor a, QColor b, double t);
// A colour with alpha 0..1.
QColor alpha(QColor c, double a);

// Scales `img` down (or up) to fit inside `box`, keeping its proportions, smoothly.
QImage fit_into(const QImage& img, QSize box);

}  // namespace vx::assets
