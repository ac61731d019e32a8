// Picture files of the installation data: PNG written through libpng and JPEG
// through libjpeg, both called directly, BMP for the manual's pages; read back
// through the program's own decoders, which treat every file as untrusted.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "skin/picture.h"

namespace vx::assets {

// Each writer makes the file whole or not at all (an existing file is replaced
// only once the new one is complete), and throws std::runtime_error naming it.
// Writes `img` as PNG: 8-bit RGBA when `with_alpha`, else 8-bit RGB (alpha dropped).
void write_png(const std::filesystem::path& file, const QImage& img, bool with_alpha);
// Writes `img` as a baseline JPEG of the given quality (1..100).
void write_jpeg(const std::filesystem::path& file, const QImage& img, int quality);
// Writes `img` as an uncompressed 24-bit BMP.
void write_bmp(const std::filesystem::path& file, const QImage& img);

struct LoadedPicture {
  QImage image;            // Format_ARGB32 (not premultiplied); null on failure
  bool has_alpha = false;  // the file carries an alpha channel (PNG with alpha or tRNS)
  std::string error;       // why it failed, empty on success
};

// Reads a PNG, JPEG or BMP file as the program does, recognised by its first bytes.
LoadedPicture read_picture(const std::filesystem::path& file);
// A picture the program's decoders made (null: `error` says why it was not).
LoadedPicture as_loaded(const PictureRef& picture, const std::string& error);

}  // namespace vx::assets
