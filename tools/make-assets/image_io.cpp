#include "image_io.h"

#include <png.h>

#include "platform/output_file.h"
#include "platform/picture_file.h"
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace vx::assets {
namespace {

// ---- PNG -------------------------------------------------------------------

// setjmp-guarded: holds no objects with destructors.
bool png_write_rows(std::FILE* f, int w, int h, bool alpha, png_bytepp rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_init_io(png, f);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// ---- JPEG ------------------------------------------------------------------

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jpeg_error_return(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// setjmp-guarded: holds no objects with destructors.
bool jpeg_encode(std::FILE* f, int w, int h, int quality, const unsigned char* rgb, char* message) {
  jpeg_compress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = jpeg_error_return;
  if (setjmp(err.jump)) {
    std::strcpy(message, err.message);
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(rgb) + static_cast<std::size_t>(cinfo.next_scanline) * w * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

// ---- BMP -------------------------------------------------------------------

void put16(std::vector<unsigned char>& b, unsigned v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
}  // namespace

void write_png(const std::filesystem::path& file, const QImage& img, bool with_alpha) {
  const QImage src = img.convertToFormat(with_alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  std::vector<png_bytep> rows(static_cast<std::size_t>(src.height()));
  for (int y = 0; y < src.height(); ++y) rows[y] = const_cast<png_bytep>(src.constScanLine(y));
  OutputFile out(file);
  std::string error = "cannot write " + file.string();
  if (!out.ok() || !png_write_rows(out.stream(), src.width(), src.height(), with_alpha, rows.data()) ||
      !out.commit(error))
    throw std::runtime_error(error);
}

void write_jpeg(const std::filesystem::path& file, const QImage& img, int quality) {
  const QImage src = img.convertToFormat(QImage::Format_RGB888);
  std::vector<unsigned char> rgb(static_cast<std::size_t>(src.width()) * src.height() * 3);
  for (int y = 0; y < src.height(); ++y)
    std::memcpy(rgb.data() + static_cast<std::size_t>(y) * src.width() * 3, src.constScanLine(y),
                static_cast<std::size_t>(src.width()) * 3);
  OutputFile out(file);
  char message[JMSG_LENGTH_MAX] = {};
  std::string error = "cannot write " + file.string();
  if (!out.ok() || !jpeg_encode(out.stream(), src.width(), src.height(), quality, rgb.data(), message))
    throw std::runtime_error(error + " " + message);
  if (!out.commit(error)) throw std::runtime_error(error);
}

void write_bmp(const std::filesystem::path& file, const QImage& img) {
  const QImage src = img.convertToFormat(QImage::Format_RGB32);
  const int w = src.width(), h = src.height();
  const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  const std::uint32_t data_size = stride * static_cast<std::uint32_t>(h);
  std::vector<unsigned char> b;
  b.reserve(54 + data_size);
  b.push_back('B');
  b.push_back('M');
  put32(b, 54 + data_size);
  put32(b, 0);
  put32(b, 54);
  put32(b, 40);  // BITMAPINFOHEADER
  put32(b, static_cast<std::uint32_t>(w));
  put32(b, static_cast<std::uint32_t>(h));  // positive: bottom-up rows
  put16(b, 1);
  put16(b, 24);
  put32(b, 0);  // no compression
  put32(b, data_size);
  put32(b, 3780);  // 96 dpi
  put32(b, 3780);
  put32(b, 0);
  put32(b, 0);
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      b.push_back(static_cast<unsigned char>(qBlue(row[x])));
      b.push_back(static_cast<unsigned char>(qGreen(row[x])));
      b.push_back(static_cast<unsigned char>(qRed(row[x])));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < stride; ++pad) b.push_back(0);
  }
  std::string error;
  if (!write_output_file(file, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()), error))
    throw std::runtime_error(error);
}

LoadedPicture read_picture(const std::filesystem::path& file) {
  std::string error;
  return as_loaded(decode_picture_file(file, error), error);
}

LoadedPicture as_loaded(const PictureRef& picture, const std::string& error) {
  if (!picture) return {QImage(), false, error};
  QImage img(picture->width, picture->height, QImage::Format_ARGB32);
  for (int y = 0; y < picture->height; ++y)
    std::memcpy(img.scanLine(y), picture->argb.data() + static_cast<std::size_t>(y) * picture->width,
                static_cast<std::size_t>(picture->width) * 4);
  return {img, picture->has_alpha, ""};
}

}  // namespace vx::assets
