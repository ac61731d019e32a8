// PNG through libpng's simplified reading interface: it keeps its own error
// handling inside libpng, so no jump ever crosses our frames.
#include <png.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/picture_file.h"

namespace vx {
namespace {

// libpng allocates each chunk at the length the chunk declares before reading it,
// so a text chunk claiming 2 GB in a 200-byte file would cost 2 GB. Every chunk up
// to IEND must fit inside the bytes we hold; nothing is allocated before that.
bool chunks_fit(std::span<const std::uint8_t> bytes, std::string& error) {
  std::size_t at = 8;  // past the signature
  while (at + 8 <= bytes.size()) {
    const std::uint32_t length = (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
                                 (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    const std::string type(reinterpret_cast<const char*>(bytes.data() + at + 4), 4);
    if (length > bytes.size() - at - 8 || bytes.size() - at - 8 - length < 4) {
      std::string shown;
      for (const char c : type) shown += (c >= 0x21 && c <= 0x7E) ? c : '?';
      error = "a damaged PNG picture (chunk " + shown + " of " + std::to_string(length) +
              " bytes runs past the end of the file)";
      return false;
    }
    if (type == "IEND") return true;
    at += 12 + std::size_t{length};
  }
  return true;  // cut short between chunks: libpng reports it
}

}  // namespace

NewPicture decode_png(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit) {
  if (bytes.size() >= 8 && !chunks_fit(bytes, error)) return nullptr;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    error = std::string("not a readable PNG picture (") + image.message + ")";
    return nullptr;
  }
  if (!picture_size_allowed(image.width, image.height, error, limit)) {
    png_image_free(&image);
    return nullptr;
  }
  const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
  auto picture = std::make_shared<Picture>();
  picture->width = static_cast<int>(image.width);
  picture->height = static_cast<int>(image.height);
  picture->has_alpha = alpha;
  picture->argb.resize(static_cast<std::size_t>(image.width) * image.height);
  static_assert(std::endian::native == std::endian::little, "pixel words are read as BGRA bytes");
  if (!png_image_finish_read(&image, nullptr, picture->argb.data(), 0, nullptr)) {
    error = std::string("a damaged PNG picture (") + image.message + ")";
    png_image_free(&image);
    return nullptr;
  }
  return picture;
}

}  // namespace vx
