// BMP pictures: the Windows bitmap headers (core, info, V4, V5) with 1, 4, 8, 16,
// 24 or 32 bits a pixel, uncompressed or with bit-field masks, bottom-up or
// top-down. Every read is bounds-checked against the file's bytes.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "platform/picture_file.h"

namespace vx {
namespace {

struct Reader {
  std::span<const std::uint8_t> bytes;
  std::size_t size;  // of the whole file: `bytes` may hold only its head
  bool has(std::size_t at, std::size_t n) const { return at <= size && n <= size - at; }
  std::uint32_t u16(std::size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
  std::uint32_t u32(std::size_t at) const {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
  }
};

// A colour channel under a bit mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0, bits = 0;
  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
  }
  std::uint32_t get(std::uint32_t v) const {
    if (!mask) return 0;
    const std::uint32_t x = (v & mask) >> shift;
    if (bits >= 8) return x >> (bits - 8);
    return x * 255u / ((1u << bits) - 1u);
  }
};

constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;


// What the headers say, checked against the file's size: everything that decides
// whether the picture decodes. Only the first kBmpHeadBytes of `bytes` are read
// (`size` is the whole file's): the pixels and the palette cannot make it fail.
struct Layout {
  std::uint32_t pixel_offset = 0, header_size = 0, bpp = 0, compression = kRgb, palette_count = 0;
  std::int64_t width = 0, height = 0;
  bool top_down = false;
  std::uint32_t masks[4] = {0, 0, 0, 0};
  std::size_t palette_entry = 4, stride = 0;
};

std::optional<Layout> read_layout(std::span<const std::uint8_t> bytes, std::size_t size, std::string& error,
                                  const PictureLimit& limit) {
  const Reader in{bytes, size};
  if (!in.has(0, 18)) {
    error = "a truncated BMP picture (no header)";
    return std::nullopt;
  }
  Layout l;
  l.pixel_offset = in.u32(10);
  l.header_size = in.u32(14);
  if (!in.has(14, l.header_size) || (l.header_size != 12 && l.header_size < 40)) {
    error = "a BMP picture with an unknown or truncated header";
    return std::nullopt;
  }
  if (l.header_size == 12) {  // the old core header
    l.width = static_cast<std::int16_t>(in.u16(18));
    l.height = static_cast<std::int16_t>(in.u16(20));
    l.bpp = in.u16(24);
    l.palette_entry = 3;
  } else {
    l.width = static_cast<std::int32_t>(in.u32(18));
    l.height = static_cast<std::int32_t>(in.u32(22));
    l.bpp = in.u16(28);
    l.compression = in.u32(30);
    l.palette_count = in.u32(46);
    if (l.header_size >= 56 || l.compression == kBitFields || l.compression == kAlphaBitFields) {
      // The masks follow a 40-byte header, or are part of a longer one.
      const std::size_t at = 14 + 40;
      const int n = (l.header_size >= 56 || l.compression == kAlphaBitFields) ? 4 : 3;
      if (!in.has(at, 4u * n)) {
        error = "a truncated BMP picture (colour masks)";
        return std::nullopt;
      }
      for (int i = 0; i < n; ++i) l.masks[i] = in.u32(at + 4u * i);
    }
  }
  l.top_down = l.height < 0;
  if (l.top_down) l.height = -l.height;
  if (!picture_size_allowed(l.width, l.height, error, limit)) return std::nullopt;
  if (l.compression != kRgb && l.compression != kBitFields && l.compression != kAlphaBitFields) {
    error = "a compressed BMP picture (compression " + std::to_string(l.compression) + "), which is not supported";
    return std::nullopt;
  }
  if (l.bpp != 1 && l.bpp != 4 && l.bpp != 8 && l.bpp != 16 && l.bpp != 24 && l.bpp != 32) {
    error = "a BMP picture with " + std::to_string(l.bpp) + " bits a pixel, which is not supported";
    return std::nullopt;
  }
  l.stride = ((static_cast<std::size_t>(l.width) * l.bpp + 31) / 32) * 4;
  if (!in.has(l.pixel_offset, l.stride * static_cast<std::size_t>(l.height))) {
    error = "a truncated BMP picture (the pixels end early)";
    return std::nullopt;
  }
  return l;
}

}  // namespace

bool bmp_would_decode(std::span<const std::uint8_t> head, std::uint64_t size, std::string& error,
                      const PictureLimit& limit) {
  if (head.size() < std::min<std::uint64_t>(size, kBmpHeadBytes) || size > SIZE_MAX) {
    error = "cannot be read";
    return false;
  }
  return read_layout(head, static_cast<std::size_t>(size), error, limit).has_value();
}

NewPicture decode_bmp(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit) {
  const std::optional<Layout> layout = read_layout(bytes, bytes.size(), error, limit);
  if (!layout) return nullptr;
  const Reader in{bytes, bytes.size()};
  const std::uint32_t bpp = layout->bpp, pixel_offset = layout->pixel_offset;
  const std::int64_t width = layout->width, height = layout->height;
  const std::size_t stride = layout->stride;
  std::uint32_t masks[4];
  std::copy(std::begin(layout->masks), std::end(layout->masks), masks);

  // Palette.
  std::uint32_t palette[256] = {};
  if (bpp <= 8) {
    const std::uint32_t max = 1u << bpp;
    const std::uint32_t count = layout->palette_count;
    const std::uint32_t n = count == 0 || count > max ? max : count;
    const std::size_t at = 14 + layout->header_size;
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::size_t e = at + i * layout->palette_entry;
      if (!in.has(e, 3)) break;  // a short palette leaves the rest black
      palette[i] = 0xFF000000u | static_cast<std::uint32_t>(bytes[e + 2]) << 16 | bytes[e + 1] << 8 | bytes[e];
    }
  }
  if (layout->compression == kRgb) {
    if (bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (bpp == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    masks[3] = 0;  // the fourth byte of plain 32-bit pixels is not alpha
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

  auto picture = std::make_shared<Picture>();
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->has_alpha = alpha.mask != 0;
  picture->argb.resize(static_cast<std::size_t>(width * height));
  for (std::int64_t y = 0; y < height; ++y) {
    const std::size_t row = pixel_offset + stride * static_cast<std::size_t>(layout->top_down ? y : height - 1 - y);
    std::uint32_t* out = &picture->argb[static_cast<std::size_t>(y * width)];
    for (std::int64_t x = 0; x < width; ++x) {
      std::uint32_t px;
      if (bpp <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bpp;
        const std::uint32_t byte = bytes[row + bit / 8];
        const std::uint32_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1u);
        px = palette[index];
      } else if (bpp == 24) {
        const std::size_t at = row + static_cast<std::size_t>(x) * 3;
        px = 0xFF000000u | static_cast<std::uint32_t>(bytes[at + 2]) << 16 | bytes[at + 1] << 8 | bytes[at];
      } else {
        const std::size_t at = row + static_cast<std::size_t>(x) * (bpp / 8);
        const std::uint32_t v = bpp == 16 ? in.u16(at) : in.u32(at);
        const std::uint32_t a = alpha.mask ? alpha.get(v) : 255u;
        px = a << 24 | red.get(v) << 16 | green.get(v) << 8 | blue.get(v);
      }
      out[x] = px;
    }
  }
  return picture;
}

}  // namespace vx
