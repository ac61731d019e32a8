// BMP pictures: the Windows bitmap headers (core, info, V4, V5) with 1, 4, 8, 16,
// 24 or 32 bits a pixel, uncompressed or with bit-field masks, bottom-up or
// top-down. Every read is bounds-checked against the file's bytes.
#include <bit>
#include <cstring>

#include "platform/picture_file.h"

namespace vx {
namespace {

struct Reader {
  std::span<const std::uint8_t> bytes;
  bool has(std::size_t at, std::size_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
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

}  // namespace

NewPicture decode_bmp(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit) {
  const Reader in{bytes};
  if (!in.has(0, 18)) {
    error = "a truncated BMP picture (no header)";
    return nullptr;
  }
  const std::uint32_t pixel_offset = in.u32(10);
  const std::uint32_t header_size = in.u32(14);
  if (!in.has(14, header_size) || (header_size != 12 && header_size < 40)) {
    error = "a BMP picture with an unknown or truncated header";
    return nullptr;
  }
  std::int64_t width, height;
  std::uint32_t bpp, compression = kRgb, palette_count = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};
  std::size_t palette_entry = 4;
  if (header_size == 12) {  // the old core header
    width = static_cast<std::int16_t>(in.u16(18));
    height = static_cast<std::int16_t>(in.u16(20));
    bpp = in.u16(24);
    palette_entry = 3;
  } else {
    width = static_cast<std::int32_t>(in.u32(18));
    height = static_cast<std::int32_t>(in.u32(22));
    bpp = in.u16(28);
    compression = in.u32(30);
    palette_count = in.u32(46);
    if (header_size >= 56 || compression == kBitFields || compression == kAlphaBitFields) {
      // The masks follow a 40-byte header, or are part of a longer one.
      const std::size_t at = 14 + 40;
      const int n = (header_size >= 56 || compression == kAlphaBitFields) ? 4 : 3;
      if (!in.has(at, 4u * n)) {
        error = "a truncated BMP picture (colour masks)";
        return nullptr;
      }
      for (int i = 0; i < n; ++i) masks[i] = in.u32(at + 4u * i);
    }
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (!picture_size_allowed(width, height, error, limit)) return nullptr;
  if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields) {
    error = "a compressed BMP picture (compression " + std::to_string(compression) + "), which is not supported";
    return nullptr;
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    error = "a BMP picture with " + std::to_string(bpp) + " bits a pixel, which is not supported";
    return nullptr;
  }

  // Palette.
  std::uint32_t palette[256] = {};
  if (bpp <= 8) {
    const std::uint32_t max = 1u << bpp;
    const std::uint32_t n = palette_count == 0 || palette_count > max ? max : palette_count;
    const std::size_t at = 14 + header_size;
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::size_t e = at + i * palette_entry;
      if (!in.has(e, 3)) break;  // a short palette leaves the rest black
      palette[i] = 0xFF000000u | static_cast<std::uint32_t>(bytes[e + 2]) << 16 | bytes[e + 1] << 8 | bytes[e];
    }
  }
  if (compression == kRgb) {
    if (bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (bpp == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    masks[3] = 0;  // the fourth byte of plain 32-bit pixels is not alpha
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

  const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  if (!in.has(pixel_offset, stride * static_cast<std::size_t>(height))) {
    error = "a truncated BMP picture (the pixels end early)";
    return nullptr;
  }

  auto picture = std::make_shared<Picture>();
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->has_alpha = alpha.mask != 0;
  picture->argb.resize(static_cast<std::size_t>(width * height));
  for (std::int64_t y = 0; y < height; ++y) {
    const std::size_t row = pixel_offset + stride * static_cast<std::size_t>(top_down ? y : height - 1 - y);
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
