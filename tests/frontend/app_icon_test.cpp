// The program's icon: transparent around the case, the screen dark, the fire
// button red, at every installed size; and the SVG drawn from it places every
// shape where the pictures have it.
#include "frontend/app_icon.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QXmlStreamReader>

namespace vx {
namespace {

// The colour at (x, y) of the 256-unit canvas, in an icon of `size` pixels.
QColor at(const QImage& icon, double x, double y) {
  const double k = icon.width() / 256.0;
  return icon.pixelColor(static_cast<int>(x * k), static_cast<int>(y * k));
}

TEST(AppIcon, EachSizeShowsTheCaseTheScreenAndTheFireButton) {
  for (int size : {48, 256}) {
    const QImage icon = draw_app_icon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(at(icon, 1, 1).alpha(), 0) << size << ": the corners are see-through";
    EXPECT_EQ(at(icon, 254, 254).alpha(), 0) << size;
    EXPECT_EQ(at(icon, 128, 200).rgb(), QColor(0x33457e).rgb()) << size << ": the case";
    EXPECT_EQ(at(icon, 200, 140).rgb(), QColor(0x0b0e14).rgb()) << size << ": the dark screen";
    EXPECT_EQ(at(icon, 194, 200).rgb(), QColor(0xe8303f).rgb()) << size << ": the fire button";
    EXPECT_EQ(at(icon, 93, 150).rgb(), QColor(0x7dffb0).rgb()) << size << ": the ship";
  }
}

// Paints the SVG's rect, ellipse and polygon elements as the SVG says.
QImage paint_svg(const std::string& svg, QString& view_box, int& shapes) {
  QImage out(256, 256, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  shapes = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    const auto num = [&](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
    p.setBrush(QColor(a.value(QLatin1String("fill")).toString()));
    const QString name = xml.name().toString();
    if (name == "svg") {
      view_box = a.value(QLatin1String("viewBox")).toString();
    } else if (name == "rect") {
      p.drawRoundedRect(QRectF(num("x"), num("y"), num("width"), num("height")), num("rx"), num("rx"));
      ++shapes;
    } else if (name == "ellipse") {
      p.drawEllipse(QPointF(num("cx"), num("cy")), num("rx"), num("ry"));
      ++shapes;
    } else if (name == "polygon") {
      QPolygonF poly;
      for (const QString& pair : a.value(QLatin1String("points")).toString().split(' ')) {
        const auto xy = pair.split(',');
        poly << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
      }
      p.drawPolygon(poly);
      ++shapes;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return out;
}

TEST(AppIcon, TheScalableIconMatchesThePictures) {
  QString view_box;
  int shapes = 0;
  const QImage from_svg = paint_svg(app_icon_svg(), view_box, shapes);
  EXPECT_EQ(view_box, "0 0 256 256");
  EXPECT_GE(shapes, 10);
  const QImage drawn = draw_app_icon(256);
  int different = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      if (from_svg.pixel(x, y) != drawn.pixel(x, y)) ++different;
  EXPECT_EQ(different, 0);
}

}  // namespace
}  // namespace vx
