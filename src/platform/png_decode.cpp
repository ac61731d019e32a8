// PNG through libpng's simplified reading interface: it keeps its own error
// handling inside libpng, so no jump ever crosses our frames.
#include <png.h>

#include <bit>
#include <cstring>

#include "platform/picture_file.h"

namespace vx {

NewPicture decode_png(std::span<const std::uint8_t> bytes, std::string& error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    error = std::string("not a readable PNG picture (") + image.message + ")";
    return nullptr;
  }
  if (!picture_size_allowed(image.width, image.height, error)) {
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
