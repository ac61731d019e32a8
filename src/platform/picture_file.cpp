#include "platform/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <system_error>

#include "platform/file_descriptor.h"
#include "platform/message_box.h"
#include "platform/picture_cache.h"

namespace vx {

bool picture_size_allowed(std::int64_t width, std::int64_t height, std::string& error, const PictureLimit& limit) {
  if (width <= 0 || height <= 0) {
    error = "the picture declares no pixels";
    return false;
  }
  const bool sides = width <= kMaxPictureSide && height <= kMaxPictureSide;
  if (!sides || width * height > std::min(kMaxPicturePixels, limit.pixels)) {
    error = "the picture declares " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
            (sides && width * height <= kMaxPicturePixels ? limit.over : PictureLimit{}.over);
    return false;
  }
  return true;
}

NewPicture decode_picture(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit) {
  static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto starts_with = [&](std::span<const std::uint8_t> sig) {
    return bytes.size() >= sig.size() && std::equal(sig.begin(), sig.end(), bytes.begin());
  };
  if (starts_with(kPng)) return decode_png(bytes, error, limit);
  static constexpr std::uint8_t kJpeg[3] = {0xFF, 0xD8, 0xFF};
  if (starts_with(kJpeg)) return decode_jpeg(bytes, error, limit);
  static constexpr std::uint8_t kBmp[2] = {'B', 'M'};
  if (starts_with(kBmp)) return decode_bmp(bytes, error, limit);
  error = "not a PNG, JPEG or BMP picture";
  return nullptr;
}

namespace {

// The size of a regular file no larger than a picture may be.
bool picture_file_size(const std::filesystem::path& path, std::uintmax_t& size, std::string& error) {
  std::error_code ec;
  size = std::filesystem::file_size(path, ec);
  if (ec) {
    error = "cannot be read (" + ec.message() + ")";
    return false;
  }
  if (size > kMaxPictureFileBytes) {
    error = "the file is larger than a picture may be";
    return false;
  }
  return true;
}

// A picture file open for reading: a regular file no larger than a picture may be.
struct PictureFile {
  Fd file{-1};
  std::uint64_t size = 0;
};
bool open_picture_file(const std::filesystem::path& path, PictureFile& f, std::string& error) {
  // Not blocking: a pipe is not waited on, it is not a picture file.
  f.file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st;
  if (f.file.fd < 0 || ::fstat(f.file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    // Said as the file's status says it (no such file, a folder, ...).
    std::uintmax_t size = 0;
    if (picture_file_size(path, size, error)) error = "cannot be read";
    return false;
  }
  f.size = static_cast<std::uint64_t>(st.st_size);
  if (f.size > kMaxPictureFileBytes) {
    error = "the file is larger than a picture may be";
    return false;
  }
  return true;
}

// The bytes of a picture file (read straight in, not cleared first: they may be
// hundreds of kilobytes), `have` of them already read into `bytes` from the start.
struct FileBytes {
  std::unique_ptr<std::uint8_t[]> data;
  std::size_t size = 0;
  std::span<const std::uint8_t> span() const { return {data.get(), size}; }
};
bool read_picture_bytes(const PictureFile& f, FileBytes& bytes, std::string& error,
                        std::span<const std::uint8_t> have = {}) {
  bytes.size = static_cast<std::size_t>(f.size);
  bytes.data = std::make_unique_for_overwrite<std::uint8_t[]>(bytes.size);
  const std::size_t from = std::min(have.size(), bytes.size);
  std::copy_n(have.begin(), from, bytes.data.get());
  if (!read_at(f.file.fd, bytes.data.get() + from, bytes.size - from, static_cast<off_t>(from))) {
    error = "cannot be read";
    return false;
  }
  return true;
}

// The picture of the file's bytes from the cache when it holds it, else decoded
// (and cached when it decodes). With `keep` false the cache's pixels are not read
// and a decoded picture is dropped; the result says only whether there is a picture.
bool picture_of_bytes(const FileBytes& bytes, std::string& error, const PictureLimit& limit, NewPicture& picture,
                      bool keep) {
  const std::filesystem::path cache = picture_cache_folder();
  PictureCacheKey key;
  if (!cache.empty()) {
    key = picture_cache_key(bytes.span());
    switch (find_cached_picture(cache, key, limit, error, keep ? &picture : nullptr)) {
      case Cached::picture:
        return true;
      case Cached::refused:
        return false;
      case Cached::nothing:
        break;
    }
  }
  picture = decode_picture(bytes.span(), error, limit);
  if (!picture) return false;
  if (!cache.empty()) store_cached_picture(cache, key, *picture);
  if (!keep) picture.reset();
  return true;
}

}  // namespace

NewPicture decode_picture_file(const std::filesystem::path& path, std::string& error, const PictureLimit& limit) {
  PictureFile file;
  FileBytes bytes;
  NewPicture picture;
  if (!open_picture_file(path, file, error) || !read_picture_bytes(file, bytes, error) ||
      !picture_of_bytes(bytes, error, limit, picture, true))
    return nullptr;
  picture->label = path.filename().string();
  return picture;
}

bool picture_file_decodes(const std::filesystem::path& path, std::string& error, const PictureLimit& limit) {
  PictureFile file;
  if (!open_picture_file(path, file, error)) return false;
  // A BMP is answered from its headers: its pixels are not read, nor hashed for the cache.
  std::uint8_t head[kBmpHeadBytes];
  const std::span<const std::uint8_t> read(head,
                                           static_cast<std::size_t>(std::min<std::uint64_t>(file.size, kBmpHeadBytes)));
  if (!read_at(file.file.fd, head, read.size(), 0)) {
    error = "cannot be read";
    return false;
  }
  if (read.size() >= 2 && head[0] == 'B' && head[1] == 'M') return bmp_would_decode(read, file.size, error, limit);
  FileBytes bytes;
  NewPicture dropped;
  return read_picture_bytes(file, bytes, error, read) && picture_of_bytes(bytes, error, limit, dropped, false);
}

namespace {

void say_placeholder(std::string_view shown_name, const std::string& error) {
  say_line(std::string(shown_name) + ": " + error + "; a red square stands in\n");
}

}  // namespace

PictureRef load_picture_or_placeholder(const std::filesystem::path& path, std::string_view shown_name) {
  std::string error;
  if (auto picture = decode_picture_file(path, error)) return picture;
  say_placeholder(shown_name, error);
  return placeholder_picture();
}

bool picture_file_decodes_or_say(const std::filesystem::path& path, std::string_view shown_name) {
  std::string error;
  if (picture_file_decodes(path, error)) return true;
  say_placeholder(shown_name, error);
  return false;
}

}  // namespace vx
