// Picture files written and read back, and untrusted files refused cleanly.
#include <gtest/gtest.h>

#include <png.h>

#include <QImage>

#include <cstdio>
#include <fstream>

#include "image_io.h"

namespace vx::assets::test {
namespace {

namespace fs = std::filesystem;

fs::path temp(const std::string& name) { return fs::path(::testing::TempDir()) / name; }

QImage sample(bool translucent) {
  QImage img(7, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) img.setPixel(x, y, qRgba(x * 30, y * 50, 200, translucent ? x * 40 : 255));
  return img;
}

void write_bytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
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
  EXPECT_EQ(bmp.image.pixel(5, 7) & 0xFFFFFF, src.pixel(5, 7) & 0xFFFFFF) << "rows stored bottom-up, read back in place";
  EXPECT_EQ(fs::file_size(temp("p.bmp")), 54u + 64 * 3 * 48);
}

TEST(ImageIo, BrokenAndHostileFilesGiveAnErrorNotACrash) {
  EXPECT_FALSE(read_picture(temp("does-not-exist.png")).error.empty());
  write_bytes(temp("empty.png"), "");
  EXPECT_FALSE(read_picture(temp("empty.png")).error.empty());
  write_bytes(temp("text.png"), "just some text, not a picture");
  EXPECT_FALSE(read_picture(temp("text.png")).error.empty());

  // A valid PNG cut off in the middle of its pixel data.
  write_png(temp("whole.png"), sample(true).scaled(200, 200), true);
  std::ifstream in(temp("whole.png"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  write_bytes(temp("cut.png"), bytes.substr(0, bytes.size() / 2));
  const LoadedPicture cut = read_picture(temp("cut.png"));
  EXPECT_TRUE(cut.image.isNull());
  EXPECT_FALSE(cut.error.empty());

  // A tiny file that declares 60000 x 60000 pixels: refused before allocating.
  std::FILE* f = std::fopen(temp("huge.png").c_str(), "wb");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, 60000, 60000, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_destroy_write_struct(&png, &info);
  std::fwrite("\0\0\0\x10IDAT", 1, 8, f);  // the reader stops at the first IDAT
  std::fclose(f);
  const LoadedPicture huge = read_picture(temp("huge.png"));
  EXPECT_TRUE(huge.image.isNull());
  EXPECT_NE(huge.error.find("too large"), std::string::npos) << huge.error;

  write_bytes(temp("cut.jpg"), "\xFF\xD8\xFF\xE0 and then nothing useful");
  EXPECT_FALSE(read_picture(temp("cut.jpg")).error.empty());
  write_bytes(temp("cut.bmp"), "BM\x10\x00");
  EXPECT_FALSE(read_picture(temp("cut.bmp")).error.empty());
}

}  // namespace
}  // namespace vx::assets::test
