// Picture files written by make-assets and read back by the program's decoders.
#include "image_io.h"

#include <gtest/gtest.h>

#include <QImage>

namespace vx::assets::test {
namespace {

namespace fs = std::filesystem;

fs::path temp(const std::string& name) { return fs::path(::testing::TempDir()) / ("vx-assets-" + name); }

QImage sample(bool translucent) {
  QImage img(7, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) img.setPixel(x, y, qRgba(x * 30, y * 50, 200, translucent ? x * 40 : 255));
  return img;
}

TEST(ImageIo, PngKeepsPixelsAndSaysWhetherItHasAlpha) {
  const fs::path file = temp("roundtrip.png");
  const QImage src = sample(true);
  write_png(file, src, true);
  const LoadedPicture rgba = read_picture(file);
  ASSERT_TRUE(rgba.error.empty()) << rgba.error;
  EXPECT_TRUE(rgba.has_alpha);
  EXPECT_EQ(rgba.image.size(), src.size());
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(rgba.image.pixel(x, y), src.pixel(x, y)) << x << "," << y;

  write_png(file, src, false);
  const LoadedPicture rgb = read_picture(file);
  EXPECT_FALSE(rgb.has_alpha);
  EXPECT_EQ(qAlpha(rgb.image.pixel(0, 0)), 255);
  EXPECT_EQ(qRed(rgb.image.pixel(3, 2)), 90);
  fs::remove(file);
}

TEST(ImageIo, JpegAndBmpReadBackAtTheirSize) {
  const QImage src = sample(false).scaled(64, 48);
  write_jpeg(temp("p.jpg"), src, 95);
  const LoadedPicture jpg = read_picture(temp("p.jpg"));
  ASSERT_TRUE(jpg.error.empty()) << jpg.error;
  EXPECT_EQ(jpg.image.size(), QSize(64, 48));
  EXPECT_NEAR(qBlue(jpg.image.pixel(10, 10)), 200, 12);

  write_bmp(temp("p.bmp"), src);
  const LoadedPicture bmp = read_picture(temp("p.bmp"));
  ASSERT_TRUE(bmp.error.empty()) << bmp.error;
  EXPECT_EQ(bmp.image.size(), QSize(64, 48));
  EXPECT_EQ(bmp.image.pixel(5, 7) & 0xFFFFFF, src.pixel(5, 7) & 0xFFFFFF)
      << "rows stored bottom-up, read back in place";
  EXPECT_EQ(fs::file_size(temp("p.bmp")), 54u + 64 * 3 * 48);
}

}  // namespace
}  // namespace vx::assets::test
