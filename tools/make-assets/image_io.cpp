#include "image_io.h"

#include <png.h>
// jpeglib.h needs FILE and size_t declared first.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csetjmp>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace vx::assets {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File open_file(const std::filesystem::path& file, const char* mode) {
  return File(std::fopen(file.c_str(), mode));
}

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
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

struct PngPixels {
  int width = 0, height = 0;
  bool has_alpha = false;
  unsigned char* rgba = nullptr;  // malloc'd, width * height * 4
};

// setjmp-guarded: holds no objects with destructors; returns an error text or null.
const char* png_decode(std::FILE* f, PngPixels* out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return "out of memory";
  png_infop info = png_create_info_struct(png);
  png_bytepp rows = nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    std::free(rows);
    std::free(out->rgba);
    out->rgba = nullptr;
    return "not a valid PNG file";
  }
  png_init_io(png, f);
  png_set_user_limits(png, 65535, 65535);
  png_read_info(png, info);
  const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  if (w == 0 || h == 0 || static_cast<long long>(w) * h > kMaxPixels) {
    png_destroy_read_struct(&png, &info, nullptr);
    return "picture too large";
  }
  const int color = png_get_color_type(png, info);
  out->has_alpha = (color & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out->width = static_cast<int>(w);
  out->height = static_cast<int>(h);
  out->rgba = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(w) * h * 4));
  rows = static_cast<png_bytepp>(std::malloc(sizeof(png_bytep) * h));
  if (!out->rgba || !rows) png_error(png, "out of memory");
  for (png_uint_32 y = 0; y < h; ++y) rows[y] = out->rgba + static_cast<std::size_t>(y) * w * 4;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  std::free(rows);
  return nullptr;
}

LoadedPicture read_png(std::FILE* f) {
  LoadedPicture result;
  PngPixels px;
  if (const char* err = png_decode(f, &px)) {
    result.error = err;
    return result;
  }
  QImage img(px.width, px.height, QImage::Format_ARGB32);
  for (int y = 0; y < px.height; ++y) {
    const unsigned char* s = px.rgba + static_cast<std::size_t>(y) * px.width * 4;
    auto* d = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < px.width; ++x, s += 4) d[x] = qRgba(s[0], s[1], s[2], s[3]);
  }
  std::free(px.rgba);
  result.image = img;
  result.has_alpha = px.has_alpha;
  return result;
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

// Progressive files with absurd numbers of scans are refused.
void jpeg_scan_limit(j_common_ptr cinfo) {
  if (cinfo->is_decompressor) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > 100) {
      std::strcpy(reinterpret_cast<JpegError*>(cinfo->err)->message, "too many progressive scans");
      std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
    }
  }
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

struct JpegPixels {
  int width = 0, height = 0;
  unsigned char* rgb = nullptr;  // malloc'd, width * height * 3
};

// setjmp-guarded: holds no objects with destructors; returns false with `message` set.
bool jpeg_decode(std::FILE* f, JpegPixels* out, char* message) {
  jpeg_decompress_struct cinfo;
  JpegError err;
  jpeg_progress_mgr progress;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = jpeg_error_return;
  if (setjmp(err.jump)) {
    std::strcpy(message, err.message);
    jpeg_destroy_decompress(&cinfo);
    std::free(out->rgb);
    out->rgb = nullptr;
    return false;
  }
  jpeg_create_decompress(&cinfo);
  progress.progress_monitor = jpeg_scan_limit;
  cinfo.progress = &progress;
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
      static_cast<long long>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
    std::strcpy(message, "picture too large");
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out->width = static_cast<int>(cinfo.output_width);
  out->height = static_cast<int>(cinfo.output_height);
  out->rgb = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(out->width) * out->height * 3));
  if (!out->rgb) {
    std::strcpy(message, "out of memory");
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out->rgb + static_cast<std::size_t>(cinfo.output_scanline) * out->width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

LoadedPicture read_jpeg(std::FILE* f) {
  LoadedPicture result;
  JpegPixels px;
  char message[JMSG_LENGTH_MAX] = {};
  if (!jpeg_decode(f, &px, message)) {
    result.error = std::string("not a valid JPEG file: ") + message;
    return result;
  }
  QImage img(px.width, px.height, QImage::Format_ARGB32);
  for (int y = 0; y < px.height; ++y) {
    const unsigned char* s = px.rgb + static_cast<std::size_t>(y) * px.width * 3;
    auto* d = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < px.width; ++x, s += 3) d[x] = qRgb(s[0], s[1], s[2]);
  }
  std::free(px.rgb);
  result.image = img;
  return result;
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
std::uint32_t get32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }

LoadedPicture read_bmp(const std::filesystem::path& file) {
  LoadedPicture result;
  std::ifstream in(file, std::ios::binary);
  unsigned char head[26] = {};
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) {
    result.error = "not a valid BMP file";
    return result;
  }
  const long long w = static_cast<std::int32_t>(get32(head + 18));
  const long long h = static_cast<std::int32_t>(get32(head + 22));
  if (w <= 0 || h == 0 || w * (h < 0 ? -h : h) > kMaxPixels) {
    result.error = "picture too large or empty";
    return result;
  }
  QImage img;
  if (!img.load(QString::fromStdString(file.string()), "BMP")) {
    result.error = "not a valid BMP file";
    return result;
  }
  result.image = img.convertToFormat(QImage::Format_ARGB32);
  return result;
}

}  // namespace

void write_png(const std::filesystem::path& file, const QImage& img, bool with_alpha) {
  const QImage src = img.convertToFormat(with_alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  std::vector<png_bytep> rows(static_cast<std::size_t>(src.height()));
  for (int y = 0; y < src.height(); ++y) rows[y] = const_cast<png_bytep>(src.constScanLine(y));
  File f = open_file(file, "wb");
  if (!f || !png_write_rows(f.get(), src.width(), src.height(), with_alpha, rows.data()))
    throw std::runtime_error("cannot write " + file.string());
}

void write_jpeg(const std::filesystem::path& file, const QImage& img, int quality) {
  const QImage src = img.convertToFormat(QImage::Format_RGB888);
  std::vector<unsigned char> rgb(static_cast<std::size_t>(src.width()) * src.height() * 3);
  for (int y = 0; y < src.height(); ++y)
    std::memcpy(rgb.data() + static_cast<std::size_t>(y) * src.width() * 3, src.constScanLine(y),
                static_cast<std::size_t>(src.width()) * 3);
  File f = open_file(file, "wb");
  char message[JMSG_LENGTH_MAX] = {};
  if (!f || !jpeg_encode(f.get(), src.width(), src.height(), quality, rgb.data(), message))
    throw std::runtime_error("cannot write " + file.string() + " " + message);
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
  std::ofstream out(file, std::ios::binary);
  if (!out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size())))
    throw std::runtime_error("cannot write " + file.string());
}

LoadedPicture read_picture(const std::filesystem::path& file) {
  File f = open_file(file, "rb");
  if (!f) return {QImage(), false, "cannot open the file"};
  unsigned char magic[8] = {};
  const std::size_t n = std::fread(magic, 1, sizeof magic, f.get());
  std::rewind(f.get());
  if (n >= 8 && png_sig_cmp(magic, 0, 8) == 0) return read_png(f.get());
  if (n >= 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) return read_jpeg(f.get());
  if (n >= 2 && magic[0] == 'B' && magic[1] == 'M') {
    f.reset();
    return read_bmp(file);
  }
  return {QImage(), false, "not a PNG, JPEG or BMP file"};
}

}  // namespace vx::assets
