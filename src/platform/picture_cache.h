// Decoded pictures kept on disk between runs, so that a picture file seen before
// is read back as pixels instead of being decoded again. Off unless a program
// turns it on (the simulator does, outside a portable installation); tests,
// fuzzers and tools leave it off unless they turn it on themselves.
//
// An entry is named by what the picture file holds: a 64-bit hash of its bytes
// and their length ("<16 hex digits>-<length>.argb"). Entries are untrusted, like
// any file: one whose header, size or pixel checksum is wrong is ignored (the
// file is decoded and the entry replaced). Nothing is ever said about the cache;
// it only saves time. An entry is written whole under a temporary name, then
// renamed, so no reader sees half of one.
//
// Entry layout (native byte order, which the version field also checks):
//   0  8 bytes  "VXPICARG"
//   8  u32      version (1)
//   12 u32      1 when the picture has alpha, else 0
//   16 u32      width        20 u32  height
//   24 u64      the file's length        32 u64  the file's hash
//   40 u64      checksum: the hash of the pixels seeded with the hash of bytes 0-39
//   48          width x height pixels, 0xAARRGGBB words, row by row
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/picture_file.h"

namespace vx {

// Turns the cache on with its entries in `folder` (made when first written to),
// or off with an empty path. Call it before pictures are decoded on other threads.
void use_picture_cache(std::filesystem::path folder);
// The folder in use; empty while the cache is off.
std::filesystem::path picture_cache_folder();
// Where the program keeps it: $XDG_CACHE_HOME/vornix-simulator/pictures, else
// $HOME/.cache/vornix-simulator/pictures; empty when neither names a folder.
std::filesystem::path default_picture_cache_folder();

// A fast 64-bit hash of `bytes` (several GB a second; not for adversaries).
std::uint64_t hash_bytes(std::span<const std::uint8_t> bytes, std::uint64_t seed = 0);

// What names a picture file's entry.
struct PictureCacheKey {
  std::uint64_t hash = 0;
  std::uint64_t length = 0;
};
PictureCacheKey picture_cache_key(std::span<const std::uint8_t> file_bytes);
// The entry's file in `folder`.
std::filesystem::path picture_cache_entry(const std::filesystem::path& folder, const PictureCacheKey& key);

enum class Cached {
  nothing,  // no valid entry: decode the file
  refused,  // a valid entry whose picture passes the limit; `error` says so as decoding would
  picture,  // a valid entry within the limit
};
// Looks the file up in `folder`. With `picture` given, the pixels are read into
// it (and their checksum checked); without, only the entry's header and size are.
Cached find_cached_picture(const std::filesystem::path& folder, const PictureCacheKey& key, const PictureLimit& limit,
                           std::string& error, NewPicture* picture);
// Writes `picture` as the entry for `key`, whole or not at all; silent when it cannot.
void store_cached_picture(const std::filesystem::path& folder, const PictureCacheKey& key, const Picture& picture);

}  // namespace vx
