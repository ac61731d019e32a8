// Picture decoding: the three formats by content, and untrusted files (truncated,
// garbage, absurd declared sizes) turned into the placeholder with one line.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdlib>

#include "platform/picture_file.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

using test::Bytes;

// A 3 x 2 picture whose every pixel differs, so orientation mistakes show.
Picture pattern(bool alpha) {
  Picture p = test::solid_picture(3, 2, 0);
  p.has_alpha = alpha;
  const std::uint32_t px[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80102030};
  for (int i = 0; i < 6; ++i) p.argb[i] = alpha ? px[i] : (px[i] | 0xFF000000u);
  return p;
}

void expect_same_pixels(const Picture& want, const Picture& got) {
  ASSERT_EQ(got.width, want.width);
  ASSERT_EQ(got.height, want.height);
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x) EXPECT_EQ(got.pixel(x, y), want.pixel(x, y)) << x << "," << y;
}

TEST(PictureDecoding, PngKeepsPixelsAndSaysWhetherItHasAlpha) {
  std::string error;
  auto opaque = decode_picture(test::encode_png(pattern(false)), error);
  ASSERT_TRUE(opaque) << error;
  EXPECT_FALSE(opaque->has_alpha);
  expect_same_pixels(pattern(false), *opaque);

  auto translucent = decode_picture(test::encode_png(pattern(true)), error);
  ASSERT_TRUE(translucent) << error;
  EXPECT_TRUE(translucent->has_alpha);
  EXPECT_EQ(translucent->pixel(2, 1) >> 24, 0x80u);
}

TEST(PictureDecoding, BmpIsReadBottomUpIntoTopDownRows) {
  std::string error;
  auto p = decode_picture(test::encode_bmp(pattern(false)), error);
  ASSERT_TRUE(p) << error;
  EXPECT_FALSE(p->has_alpha);
  expect_same_pixels(pattern(false), *p);
}

TEST(PictureDecoding, BmpWithAPaletteTopDown) {
  // 2 x 2, 8 bits a pixel, four palette entries, negative height (top-down).
  Bytes b(14 + 40 + 16 + 8, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = v >> (8 * i) & 0xFF;
  };
  b[0] = 'B', b[1] = 'M';
  put32(10, 14 + 40 + 16);
  put32(14, 40);
  put32(18, 2);
  put32(22, static_cast<std::uint32_t>(-2));
  b[26] = 1, b[28] = 8;
  put32(46, 4);
  const std::uint32_t palette[4] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FFFFFF};  // B G R 0 as stored
  for (int i = 0; i < 4; ++i) put32(54 + 4 * i, palette[i]);
  b[70] = 0, b[71] = 1, b[74] = 2, b[75] = 3;  // rows padded to 4 bytes
  std::string error;
  auto p = decode_picture(b, error);
  ASSERT_TRUE(p) << error;
  EXPECT_EQ(p->pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(p->pixel(1, 0), 0xFF00FF00u);
  EXPECT_EQ(p->pixel(0, 1), 0xFFFF0000u);
  EXPECT_EQ(p->pixel(1, 1), 0xFFFFFFFFu);
}

TEST(PictureDecoding, JpegDecodesNearItsColours) {
  std::string error;
  auto p = decode_picture(test::encode_jpeg(test::solid_picture(16, 8, 0xFF2080C0)), error);
  ASSERT_TRUE(p) << error;
  EXPECT_EQ(p->width, 16);
  EXPECT_EQ(p->height, 8);
  EXPECT_FALSE(p->has_alpha);
  const std::uint32_t px = p->pixel(5, 5);
  EXPECT_NEAR(static_cast<int>(px >> 16 & 0xFF), 0x20, 4);
  EXPECT_NEAR(static_cast<int>(px >> 8 & 0xFF), 0x80, 4);
  EXPECT_NEAR(static_cast<int>(px & 0xFF), 0xC0, 4);
}

TEST(PictureDecoding, TheContentDecidesNotTheFileName) {
  test::TempDir dir;
  test::write_file(dir / "looks.bmp", test::encode_png(pattern(false)));
  test::write_file(dir / "looks.png", test::encode_jpeg(test::solid_picture(4, 4, 0xFF808080)));
  test::write_file(dir / "noextension", test::encode_bmp(pattern(false)));
  std::string error;
  auto png = decode_picture_file(dir / "looks.bmp", error);
  ASSERT_TRUE(png) << error;
  expect_same_pixels(pattern(false), *png);
  EXPECT_EQ(png->label, "looks.bmp");
  EXPECT_TRUE(decode_picture_file(dir / "looks.png", error)) << error;
  EXPECT_TRUE(decode_picture_file(dir / "noextension", error)) << error;
}

// A PNG that declares `width` x `height` (well-formed chunks, a few bytes of data):
// a 312-byte file can claim gigabytes.
Bytes png_declaring(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto chunk = [&](const char* type, Bytes data) {
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(data.size() >> (8 * i)));
    const std::size_t start = b.size();
    b.insert(b.end(), type, type + 4);
    b.insert(b.end(), data.begin(), data.end());
    const auto crc = static_cast<std::uint32_t>(crc32(0, b.data() + start, static_cast<uInt>(b.size() - start)));
    for (int i = 3; i >= 0; --i) b.push_back(crc >> (8 * i) & 0xFF);
  };
  Bytes header;
  for (std::uint32_t v : {width, height})
    for (int i = 3; i >= 0; --i) header.push_back(v >> (8 * i) & 0xFF);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  chunk("IHDR", header);
  chunk("IDAT", Bytes{0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
  chunk("IEND", {});
  return b;
}

TEST(PictureDecoding, DeclaredSizesBeyondTheLimitAreRefusedBeforeAllocating) {
  std::string error;
  EXPECT_FALSE(decode_picture(png_declaring(60000, 60000), error));
  EXPECT_NE(error.find("60000 x 60000"), std::string::npos) << error;

  // A BMP header declaring 30000 x 30000 pixels with no pixels behind it.
  Bytes bmp = test::encode_bmp(test::solid_picture(1, 1, 0xFF000000));
  for (std::size_t at : {18u, 22u}) bmp[at] = 0x30, bmp[at + 1] = 0x75, bmp[at + 2] = 0, bmp[at + 3] = 0;
  error.clear();
  EXPECT_FALSE(decode_picture(bmp, error));
  EXPECT_NE(error.find("30000 x 30000"), std::string::npos) << error;

  EXPECT_TRUE(picture_size_allowed(1920, 1080, error));
  EXPECT_FALSE(picture_size_allowed(kMaxPictureSide + 1, 1, error));
  EXPECT_FALSE(picture_size_allowed(10000, 10000, error));  // each side allowed, the product is not
}

TEST(PictureDecoding, TruncatedAndGarbageFilesAreFaultsNotCrashes) {
  const Picture big = test::solid_picture(64, 64, 0xFF336699);
  for (Bytes whole : {test::encode_png(big), test::encode_jpeg(big), test::encode_bmp(big)}) {
    for (std::size_t keep : {whole.size() / 2, std::size_t{20}, std::size_t{3}}) {
      Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
      std::string error;
      EXPECT_FALSE(decode_picture(cut, error)) << "kept " << keep << " of " << whole.size();
      EXPECT_FALSE(error.empty());
    }
  }
  std::string error;
  Bytes garbage(500);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
  EXPECT_FALSE(decode_picture(garbage, error));
  EXPECT_EQ(error, "not a PNG, JPEG or BMP picture");
  // Garbage behind each signature.
  for (Bytes head : {Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, Bytes{0xFF, 0xD8, 0xFF}, Bytes{'B', 'M'}}) {
    head.insert(head.end(), garbage.begin(), garbage.end());
    EXPECT_FALSE(decode_picture(head, error));
  }
}

TEST(PictureDecoding, AFileThatFailsGetsThePlaceholderAndOneLineNamingIt) {
  test::TempDir dir;
  test::write_text(dir / "broken.png", "this is not a picture");
  testing::internal::CaptureStderr();
  PictureRef broken = load_picture_or_placeholder(dir / "broken.png", "Graphics\\Skin1\\broken.png");
  PictureRef missing = load_picture_or_placeholder(dir / "absent.png", "Graphics\\Skin1\\absent.png");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(broken, placeholder_picture());
  EXPECT_EQ(missing, placeholder_picture());
  EXPECT_EQ(said,
            "Graphics\\Skin1\\broken.png: not a PNG, JPEG or BMP picture; a red square stands in\n"
            "Graphics\\Skin1\\absent.png: cannot be read (No such file or directory); a red square stands in\n");
}

TEST(PictureDecoding, ThePlaceholderIsARedSquareWithABlackOutline) {
  const Picture& p = *placeholder_picture();
  ASSERT_EQ(p.width, 10);
  ASSERT_EQ(p.height, 10);
  EXPECT_EQ(p.pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(p.pixel(9, 4), 0xFF000000u);
  EXPECT_EQ(p.pixel(4, 9), 0xFF000000u);
  EXPECT_EQ(p.pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(p.pixel(8, 8), 0xFFFF0000u);
}

}  // namespace
}  // namespace vx
