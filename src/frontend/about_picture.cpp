#include "frontend/about_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vx {

QImage about_picture() {
  QImage img(116, 160, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, 160);
  sky.setColorAt(0, QColor(2, 6, 24));
  sky.setColorAt(1, QColor(30, 70, 130));
  p.fillRect(img.rect(), sky);

  // Stars from a fixed sequence, the same every run.
  std::uint32_t seed = 20240917u;
  auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  for (int i = 0; i < 40; ++i) {
    const int x = next(116), y = next(100), b = 140 + next(116);
    img.setPixel(x, y, qRgb(b, b, qMin(255, b + 30)));
  }
  // A fluorescent-green planet low on the left.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 230, 180));
  p.drawEllipse(QPointF(18, 34), 9, 9);
  p.setBrush(QColor(2, 6, 24));
  p.drawEllipse(QPointF(22, 31), 8, 8);

  // Head and shoulders.
  const QColor figure(8, 20, 44);
  p.setBrush(figure);
  p.drawEllipse(QRectF(38, 58, 40, 48));
  QPainterPath shoulders;
  shoulders.moveTo(10, 160);
  shoulders.cubicTo(12, 122, 34, 112, 58, 112);
  shoulders.cubicTo(82, 112, 104, 122, 106, 160);
  shoulders.closeSubpath();
  p.drawPath(shoulders);
  p.drawRect(QRectF(50, 98, 16, 18));
  // Rim light along the head and shoulders.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 180, 255, 150), 1.5));
  p.drawArc(QRectF(38, 58, 40, 48), 30 * 16, 120 * 16);
  p.drawPath(shoulders);
  // The frame.
  p.setPen(QPen(QColor(255, 220, 0), 1));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(0, 0, 115, 159);
  return img;
}

}  // namespace vx
