// Picture decoding: the three formats by content, untrusted files (truncated,
// garbage, absurd declared sizes) turned into the placeholder with one line, and
// the cache of decoded pictures with its untrusted entries.
#include "platform/picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "platform/qt_picture.h"
#include "support/hostile_pictures.h"
#include "support/picture_cache_on.h"
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

TEST(PictureDecoding, DeclaredSizesBeyondTheLimitAreRefusedBeforeAllocating) {
  std::string error;
  EXPECT_FALSE(decode_picture(test::png_declaring(60000, 60000), error));
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
  // Not files: neither waited on (a pipe) nor read (a folder).
  ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0644), 0);
  std::filesystem::create_directory(dir / "folder.png");
  PictureRef pipe = load_picture_or_placeholder(dir / "pipe.png", "pipe.png");
  PictureRef folder = load_picture_or_placeholder(dir / "folder.png", "folder.png");
  const std::string said = testing::internal::GetCapturedStderr();
  for (const PictureRef& p : {broken, missing, pipe, folder}) EXPECT_EQ(p, placeholder_picture());
  EXPECT_EQ(said,
            "Graphics\\Skin1\\broken.png: not a PNG, JPEG or BMP picture; a red square stands in\n"
            "Graphics\\Skin1\\absent.png: cannot be read (No such file or directory); a red square stands in\n"
            "pipe.png: cannot be read (Operation not supported); a red square stands in\n"
            "folder.png: cannot be read (Is a directory); a red square stands in\n");
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

// The painter's copy of a picture is premultiplied exactly as Qt's own conversion
// makes it, at every alpha, and opaque for a picture without alpha (whatever its
// fourth byte holds).
TEST(PictureForPainting, IsPremultipliedAsQtConvertsIt) {
  for (const bool alpha : {true, false}) {
    SCOPED_TRACE(alpha ? "alpha" : "no alpha");
    Picture p = test::solid_picture(256, 6, 0, alpha);
    const std::uint32_t colours[6] = {0xFFFFFF, 0x000000, 0xFF8040, 0x0180FE, 0x7F7F7F, 0x123456};
    for (int y = 0; y < 6; ++y)
      for (std::uint32_t a = 0; a < 256; ++a) p.argb[static_cast<std::size_t>(y) * 256 + a] = a << 24 | colours[y];
    const QImage want = QImage(reinterpret_cast<const uchar*>(p.argb.data()), 256, 6, 256 * 4,
                               alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage got = to_qimage(p);
    ASSERT_EQ(got.format(), QImage::Format_ARGB32_Premultiplied);
    int wrong = 0;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 256; ++x) wrong += got.pixel(x, y) != want.pixel(x, y);
    EXPECT_EQ(wrong, 0);
  }
}

// A picture whose every pixel differs, with or without alpha.
Picture gradient(int width, int height, bool alpha) {
  Picture p = test::solid_picture(width, height, 0, alpha);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.argb[static_cast<std::size_t>(y * width + x)] =
          (alpha ? static_cast<std::uint32_t>(0x40 + 7 * x) << 24 : 0xFF000000u) |
          static_cast<std::uint32_t>(10 * x) << 16 | static_cast<std::uint32_t>(14 * y) << 8 |
          static_cast<std::uint32_t>(x * y & 0xFF);
  return p;
}

void expect_identical(const Picture& want, const Picture& got) {
  EXPECT_EQ(got.width, want.width);
  EXPECT_EQ(got.height, want.height);
  EXPECT_EQ(got.has_alpha, want.has_alpha);
  EXPECT_TRUE(got.argb == want.argb) << "the pixels differ";
}

Bytes read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(PictureCache, ACachedPictureHasTheVerySamePixelsAsTheDecodedOne) {
  test::TempDir dir;
  const std::pair<const char*, Bytes> files[] = {
      {"opaque.png", test::encode_png(gradient(23, 17, false))},
      {"translucent.png", test::encode_png(gradient(23, 17, true))},
      {"photo.jpg", test::encode_jpeg(gradient(23, 17, false))},
      {"old.bmp", test::encode_bmp(gradient(23, 17, false))},
      {"large.png", test::encode_png(gradient(120, 90, true))},  // its entry is read in place
  };
  std::vector<NewPicture> decoded;
  std::string error;
  for (const auto& [name, bytes] : files) {
    test::write_file(dir / name, bytes);
    decoded.push_back(decode_picture_file(dir / name, error));
    ASSERT_TRUE(decoded.back()) << name << ": " << error;
  }
  test::PictureCacheOn cache;
  for (std::size_t i = 0; i < std::size(files); ++i) {
    const auto& [name, bytes] = files[i];
    SCOPED_TRACE(name);
    for (const char* load : {"cold", "warm"}) {
      SCOPED_TRACE(load);
      auto p = decode_picture_file(dir / name, error);
      ASSERT_TRUE(p) << error;
      expect_identical(*decoded[i], *p);
      EXPECT_EQ(p->label, name);
    }
    NewPicture entry;
    ASSERT_EQ(find_cached_picture(cache.folder(), picture_cache_key(bytes), {}, error, &entry), Cached::picture);
    expect_identical(*decoded[i], *entry);
    EXPECT_EQ(cache.files(), static_cast<int>(i + 1)) << "one entry a picture, nothing else";
    EXPECT_EQ(entry->argb.in_place(), i + 1 == std::size(files));
  }
  // Pixels read in place outlive their entry, and a copy changed is changed alone.
  auto read = decode_picture_file(dir / "large.png", error);
  ASSERT_TRUE(read && read->argb.in_place()) << error;
  std::filesystem::remove_all(cache.folder());
  Picture changed = *read;
  changed.argb[5] ^= 0xFFu;
  EXPECT_FALSE(changed.argb.in_place());
  expect_identical(*decoded.back(), *read);
  EXPECT_EQ(changed.argb[5], decoded.back()->argb[5] ^ 0xFFu);
}

// A valid entry is the picture, without decoding the file; a damaged one is
// ignored: the file is decoded and its entry written anew.
TEST(PictureCache, AValidEntryStandsForTheFileADamagedOneIsReplaced) {
  // Small entries are read, large ones mapped and read in place.
  for (const auto& [width, height] : {std::pair{23, 17}, std::pair{120, 90}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    test::TempDir dir;
    test::PictureCacheOn cache;
    const Bytes file = test::encode_png(gradient(width, height, true));
    test::write_file(dir / "a.png", file);
    const PictureCacheKey key = picture_cache_key(file);
    const std::filesystem::path entry = picture_cache_entry(cache.folder(), key);
    std::string error;

    const Picture stand_in = test::solid_picture(5, 4, 0xFF00FF00);
    store_cached_picture(cache.folder(), key, stand_in);
    auto p = decode_picture_file(dir / "a.png", error);
    ASSERT_TRUE(p) << error;
    expect_identical(stand_in, *p);
    EXPECT_EQ(p->label, "a.png");

    std::filesystem::remove(entry);
    const NewPicture truth = decode_picture_file(dir / "a.png", error);
    ASSERT_TRUE(truth) << error;
    const Bytes good = read_bytes(entry);
    ASSERT_EQ(good.size(), 48u + static_cast<std::size_t>(width * height) * 4);

    using Damage = std::function<void(Bytes&)>;
    const std::pair<const char*, Damage> damages[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cut in its header", [](Bytes& b) { b.resize(30); }},
        {"cut in its pixels", [](Bytes& b) { b.resize(b.size() - 4); }},
        {"a byte too many", [](Bytes& b) { b.push_back(0); }},
        {"a pixel changed", [](Bytes& b) { b[48 + 4 * 100] ^= 1; }},
        {"the last pixel changed", [](Bytes& b) { b.back() ^= 1; }},
        {"its checksum changed", [](Bytes& b) { b[40] ^= 1; }},
        {"another magic", [](Bytes& b) { b[0] = 'W'; }},
        {"another version", [](Bytes& b) { b[8] = 2; }},
        {"alpha neither yes nor no", [](Bytes& b) { b[12] = 2; }},
        {"alpha turned off", [](Bytes& b) { b[12] = 0; }},
        {"width and height swapped",
         [](Bytes& b) { std::swap_ranges(b.begin() + 16, b.begin() + 20, b.begin() + 20); }},
        {"another file's length", [](Bytes& b) { b[24] ^= 1; }},
        {"another file's hash", [](Bytes& b) { b[32] ^= 1; }},
        {"sides past the limit",
         [&](Bytes& b) {  // otherwise whole: the right size and checksum
           store_cached_picture(cache.folder(), key, test::solid_picture(kMaxPictureSide + 1, 1, 0xFF000000));
           b = read_bytes(entry);
         }},
    };
    for (const auto& [what, damage] : damages) {
      SCOPED_TRACE(what);
      Bytes damaged = good;
      damage(damaged);
      test::write_file(entry, damaged);
      p = decode_picture_file(dir / "a.png", error);
      ASSERT_TRUE(p) << error;
      expect_identical(*truth, *p);
      EXPECT_TRUE(read_bytes(entry) == good) << "the entry is written anew";
      EXPECT_EQ(cache.files(), 1);
    }
    // An entry that is a pipe is passed over, not waited on, and replaced.
    std::filesystem::remove(entry);
    ASSERT_EQ(::mkfifo(entry.c_str(), 0644), 0);
    p = decode_picture_file(dir / "a.png", error);
    ASSERT_TRUE(p) << error;
    expect_identical(*truth, *p);
    EXPECT_TRUE(read_bytes(entry) == good);
  }
}

// A file that cannot be read, is not a picture or passes a limit says the same
// with the cache as without, and leaves nothing in it; a picture the cache holds
// is refused for a limit in the same words.
TEST(PictureCache, AFileThatDoesNotDecodeSaysTheSameAndIsNotCached) {
  test::TempDir dir;
  const Bytes png = test::encode_png(gradient(30, 20, false));
  test::write_file(dir / "text.png", Bytes{'n', 'o', 't'});
  test::write_file(dir / "cut.png", Bytes(png.begin(), png.begin() + static_cast<long>(png.size() / 2)));
  test::write_file(dir / "huge.png", test::png_declaring(60000, 60000));
  test::write_file(dir / "good.png", png);
  const PictureLimit small{100, "the 100 pixels left"};
  const std::pair<const char*, PictureLimit> cases[] = {
      {"absent.png", {}}, {"text.png", {}}, {"cut.png", {}}, {"huge.png", {}}, {"good.png", small}};
  std::vector<std::string> said;
  std::string error;
  for (const auto& [name, limit] : cases) {
    EXPECT_FALSE(decode_picture_file(dir / name, error, limit)) << name;
    said.push_back(error);
  }
  EXPECT_EQ(said.back(), "the picture declares 30 x 20 pixels, more than the 100 pixels left");

  test::PictureCacheOn cache;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].first);
    error.clear();
    EXPECT_FALSE(decode_picture_file(dir / cases[i].first, error, cases[i].second));
    EXPECT_EQ(error, said[i]);
  }
  EXPECT_EQ(cache.files(), 0);
  ASSERT_TRUE(decode_picture_file(dir / "good.png", error)) << error;
  ASSERT_EQ(cache.files(), 1);
  error.clear();
  EXPECT_FALSE(decode_picture_file(dir / "good.png", error, small));
  EXPECT_EQ(error, said.back());
}

// Whether a file decodes, asked before it is decoded, is what decoding it gives,
// with the cache off, cold and warm; a file the cache knows is answered from its
// entry's header, without reading (or checking) its pixels, and a BMP from its
// own headers and size, whatever is wrong with it.
TEST(PictureCache, WhetherAFileDecodesIsWhatDecodingGives) {
  test::TempDir dir;
  const Picture picture = gradient(30, 20, false);
  const Bytes bmp = test::encode_bmp(picture);
  auto bmp_with = [&](std::size_t at, std::uint32_t value) {
    Bytes b = bmp;
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
    return b;
  };
  Bytes cut_masks = bmp_with(30, 3);  // bit-field masks announced, the file ends within them
  cut_masks.resize(60);
  const std::pair<const char*, Bytes> files[] = {
      {"a.png", test::encode_png(picture)},
      {"b.jpg", test::encode_jpeg(picture)},
      {"c.bmp", bmp},
      {"text.png", Bytes{'n', 'o', 't'}},
      {"huge.png", test::png_declaring(60000, 60000)},
      {"cut.bmp", Bytes(bmp.begin(), bmp.end() - 7)},
      {"head.bmp", Bytes(bmp.begin(), bmp.begin() + 30)},
      {"bm.bmp", Bytes{'B', 'M'}},
      {"rle.bmp", bmp_with(30, 1)},
      {"12bit.bmp", bmp_with(28, 12)},
      {"huge.bmp", bmp_with(18, 60000)},
      {"masks.bmp", cut_masks},
      {"far.bmp", bmp_with(10, 0xFFFFFFF0u)},  // the pixels said to start past the end
  };
  for (const auto& [name, bytes] : files) test::write_file(dir / name, bytes);
  const PictureLimit small{100, "the 100 pixels left"};
  std::vector<std::pair<std::string, PictureLimit>> cases = {
      {"a.png", {}}, {"absent.png", {}}, {"a.png", small}, {"c.bmp", small}};
  for (const auto& file : files) cases.emplace_back(file.first, PictureLimit{});
  auto expect_agreement = [&] {
    for (const auto& [name, limit] : cases) {
      SCOPED_TRACE(name + (limit.pixels == small.pixels ? " (small limit)" : ""));
      std::string asked, decoding;
      const bool decodes = picture_file_decodes(dir / name, asked, limit);
      EXPECT_EQ(decodes, decode_picture_file(dir / name, decoding, limit) != nullptr);
      if (!decodes) {
        EXPECT_EQ(asked, decoding);
      }
    }
  };
  {
    SCOPED_TRACE("off");
    expect_agreement();
  }
  test::PictureCacheOn cache;
  for (const char* state : {"cold", "warm"}) {
    SCOPED_TRACE(state);
    expect_agreement();
    EXPECT_EQ(cache.files(), 3);
  }
  std::filesystem::remove_all(cache.folder());
  std::string error;
  ASSERT_TRUE(picture_file_decodes(dir / "c.bmp", error)) << error;
  EXPECT_EQ(cache.files(), 0) << "a BMP is answered without decoding it";
  ASSERT_TRUE(picture_file_decodes(dir / "a.png", error)) << error;
  ASSERT_EQ(cache.files(), 1) << "the file was decoded and its entry written";
  const std::filesystem::path entry = picture_cache_entry(cache.folder(), picture_cache_key(files[0].second));
  Bytes damaged = read_bytes(entry);
  damaged.back() ^= 1;
  test::write_file(entry, damaged);
  EXPECT_TRUE(picture_file_decodes(dir / "a.png", error));
  EXPECT_TRUE(read_bytes(entry) == damaged) << "only the header was read";
  EXPECT_TRUE(decode_picture_file(dir / "a.png", error));
  EXPECT_FALSE(read_bytes(entry) == damaged) << "decoding checks the pixels and writes the entry anew";
}

}  // namespace
}  // namespace vx
