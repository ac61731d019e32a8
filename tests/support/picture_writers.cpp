#include "support/picture_writers.h"

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace vx::test {

Picture solid_picture(int width, int height, std::uint32_t argb, bool has_alpha) {
  Picture p;
  p.width = width;
  p.height = height;
  p.has_alpha = has_alpha;
  p.argb.assign(static_cast<std::size_t>(width) * height, argb);
  return p;
}

Bytes encode_png(const Picture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_BGRA;
  Bytes rgba(picture.argb.size() * 4);
  std::memcpy(rgba.data(), picture.argb.data(), rgba.size());
  if (!picture.has_alpha) {
    // Drop the alpha channel: BGR rows.
    image.format = PNG_FORMAT_BGR;
    Bytes bgr;
    for (std::size_t i = 0; i < picture.argb.size(); ++i)
      bgr.insert(bgr.end(), {rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]});
    rgba.swap(bgr);
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr))
    throw std::runtime_error("png size");
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr))
    throw std::runtime_error(image.message);
  out.resize(size);
  return out;
}

Bytes encode_jpeg(const Picture& picture) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(picture.width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t px = picture.pixel(x, static_cast<int>(cinfo.next_scanline));
      row[x * 3] = px >> 16 & 0xFF, row[x * 3 + 1] = px >> 8 & 0xFF, row[x * 3 + 2] = px & 0xFF;
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

Bytes encode_bmp(const Picture& picture) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(picture.width) * 3 + 3) & ~3u;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(picture.height);
  Bytes out(54 + pixels, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) { out[at] = v & 0xFF, out[at + 1] = v >> 8 & 0xFF; };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = v >> (8 * i) & 0xFF;
  };
  out[0] = 'B', out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(picture.width));
  put32(22, static_cast<std::uint32_t>(picture.height));
  put16(26, 1);
  put16(28, 24);
  put32(34, pixels);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t px = picture.pixel(x, picture.height - 1 - y);
      const std::size_t at = 54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
      out[at] = px & 0xFF, out[at + 1] = px >> 8 & 0xFF, out[at + 2] = px >> 16 & 0xFF;
    }
  return out;
}

void write_file(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

void write_text(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace vx::test
