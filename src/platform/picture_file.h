// Decoding pictures from files of skins and of the installation, recognised by
// their content (PNG, JPEG or BMP), whatever their name says. The files are
// untrusted: sizes are checked before anything is allocated, and a picture that
// cannot be decoded is replaced by the red placeholder with one line on standard
// error naming the file and the fault.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "skin/picture.h"

namespace vx {

// Limits on what a picture may declare: each side, and width x height.
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 40'000'000;
inline constexpr std::uintmax_t kMaxPictureFileBytes = 256u << 20;

// How many pixels a picture may have where it is decoded (never more than
// kMaxPicturePixels), and how a refusal names that limit: "... pixels, more than
// <over>".
struct PictureLimit {
  std::int64_t pixels = kMaxPicturePixels;
  std::string over = "a picture may have";
};

// Whether a declared size may be decoded; otherwise `error` says why.
bool picture_size_allowed(std::int64_t width, std::int64_t height, std::string& error, const PictureLimit& limit = {});

// Each decoder returns null and says why in `error` when the bytes are not a
// picture it can read, or declare more than `limit`. Nothing is allocated for the
// pixels before the declared size has passed. The picture's label is left empty.
using NewPicture = std::shared_ptr<Picture>;
NewPicture decode_png(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit = {});
NewPicture decode_jpeg(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit = {});
NewPicture decode_bmp(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit = {});
// Whether decode_bmp would decode a file of `size` bytes that begins with `head`
// (at least its first kBmpHeadBytes): a BMP's headers and size decide it.
inline constexpr std::size_t kBmpHeadBytes = 70;
bool bmp_would_decode(std::span<const std::uint8_t> head, std::uint64_t size, std::string& error,
                      const PictureLimit& limit = {});

// By content: the decoder whose signature the bytes start with.
NewPicture decode_picture(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit = {});
// Reads and decodes a regular file; null with `error` set when it cannot. With the
// picture cache on (platform/picture_cache.h), a file seen before is read back
// from there; the limit and the words of a refusal are the same.
NewPicture decode_picture_file(const std::filesystem::path& path, std::string& error, const PictureLimit& limit = {});
// Whether decode_picture_file would give a picture; otherwise `error` says what it
// would. A BMP file is answered from its headers and size; a file the cache knows
// is not decoded (nor its pixels read); else it is decoded (and cached) and the
// picture dropped.
bool picture_file_decodes(const std::filesystem::path& path, std::string& error, const PictureLimit& limit = {});
// Reads and decodes a file, or gives the placeholder and writes one line on
// standard error: "<shown_name>: <fault>; a red square stands in".
PictureRef load_picture_or_placeholder(const std::filesystem::path& path, std::string_view shown_name);
// Whether load_picture_or_placeholder would give the file's picture; if not,
// writes the line it would write.
bool picture_file_decodes_or_say(const std::filesystem::path& path, std::string_view shown_name);

}  // namespace vx
