#include "platform/picture_cache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>

#include "platform/file_descriptor.h"
#include "platform/output_file.h"

namespace vx {
namespace {

constexpr char kMagic[8] = {'V', 'X', 'P', 'I', 'C', 'A', 'R', 'G'};
constexpr std::uint32_t kVersion = 1;

struct Header {
  char magic[8];
  std::uint32_t version;
  std::uint32_t has_alpha;
  std::uint32_t width;
  std::uint32_t height;
  std::uint64_t file_length;
  std::uint64_t file_hash;
  std::uint64_t checksum;
};
static_assert(sizeof(Header) == 48, "the entry's header has no padding");

std::mutex folder_mutex;
std::filesystem::path folder_in_use;  // guarded by folder_mutex

// The checksum of an entry: its pixels, seeded with the header before it (so a
// changed size or alpha fails it too).
std::uint64_t entry_checksum(const Header& h, const Picture& p) {
  const std::uint64_t head = hash_bytes({reinterpret_cast<const std::uint8_t*>(&h), offsetof(Header, checksum)});
  return hash_bytes({reinterpret_cast<const std::uint8_t*>(p.argb.data()), p.argb.size() * sizeof(std::uint32_t)},
                    head);
}

// Entries from this size on are read in place, mapped: their pages come straight
// from the system's file cache, where reading them would first clear as many new
// pages of memory and then copy into them (several times slower, and most of a
// skin's pixels are in its few large pictures).
constexpr std::uint64_t kMappedFromBytes = 32 * 1024;

}  // namespace

void use_picture_cache(std::filesystem::path folder) {
  std::lock_guard lock(folder_mutex);
  folder_in_use = std::move(folder);
}

std::filesystem::path picture_cache_folder() {
  std::lock_guard lock(folder_mutex);
  return folder_in_use;
}

std::filesystem::path default_picture_cache_folder() {
  // Only an absolute XDG_CACHE_HOME counts; a relative one is ignored, as the
  // base directory rules say.
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && std::filesystem::path(xdg).is_absolute()) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && std::filesystem::path(home).is_absolute()) {
    base = std::filesystem::path(home) / ".cache";
  } else {
    return {};
  }
  return base / "vornix-simulator" / "pictures";
}

// Four lanes over 8-byte words, one multiplication and one rotation a word, so
// that the four words of a 32-byte block are taken side by side (about 4 GB a
// second here); the tail and the length are folded in and the result is mixed
// until each bit of the input moves about half of the bits of the hash.
std::uint64_t hash_bytes(std::span<const std::uint8_t> bytes, std::uint64_t seed) {
  constexpr std::uint64_t k1 = 0x9E3779B97F4A7C15u, k2 = 0xD6E8FEB86659FD93u, k3 = 0xA0761D6478BD642Fu;
  auto word = [](const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
  };
  auto mix = [&](std::uint64_t lane, std::uint64_t w) { return std::rotl((lane ^ w) * k1, 31); };
  const std::uint8_t* p = bytes.data();
  std::size_t n = bytes.size();
  std::uint64_t a = seed + k1, b = seed ^ k2, c = seed + k3, d = seed - k1;
  for (; n >= 32; p += 32, n -= 32) {
    a = mix(a, word(p));
    b = mix(b, word(p + 8));
    c = mix(c, word(p + 16));
    d = mix(d, word(p + 24));
  }
  std::uint64_t h = std::rotl(a, 1) + std::rotl(b, 7) + std::rotl(c, 12) + std::rotl(d, 18) + bytes.size() * k3;
  for (; n >= 8; p += 8, n -= 8) h = mix(h, word(p));
  std::uint64_t tail = 0;
  if (n > 0) std::memcpy(&tail, p, n);  // an empty span may have no data at all
  h = mix(h, tail);
  h ^= h >> 32;
  h *= k2;
  h ^= h >> 29;
  h *= k3;
  return h ^ (h >> 32);
}

PictureCacheKey picture_cache_key(std::span<const std::uint8_t> file_bytes) {
  return {hash_bytes(file_bytes), file_bytes.size()};
}

std::filesystem::path picture_cache_entry(const std::filesystem::path& folder, const PictureCacheKey& key) {
  char name[64];
  std::snprintf(name, sizeof name, "%016llx-%llu.argb", static_cast<unsigned long long>(key.hash),
                static_cast<unsigned long long>(key.length));
  return folder / name;
}

Cached find_cached_picture(const std::filesystem::path& folder, const PictureCacheKey& key, const PictureLimit& limit,
                           std::string& error, NewPicture* picture) {
  // Not blocking: an entry that is a pipe is not waited on, it is not a file.
  const Fd entry{::open(picture_cache_entry(folder, key).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
  const int fd = entry.fd;
  if (fd < 0) return Cached::nothing;
  struct stat st;
  Header h;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !read_at(fd, &h, sizeof h, 0)) return Cached::nothing;
  std::string why;
  if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.version != kVersion || h.has_alpha > 1 ||
      h.file_length != key.length || h.file_hash != key.hash || !picture_size_allowed(h.width, h.height, why))
    return Cached::nothing;
  // The exact size, before anything is allocated for the pixels.
  const std::uint64_t pixels = std::uint64_t{h.width} * h.height;
  if (static_cast<std::uint64_t>(st.st_size) != sizeof h + pixels * sizeof(std::uint32_t)) return Cached::nothing;
  if (!picture_size_allowed(h.width, h.height, error, limit)) return Cached::refused;
  if (!picture) return Cached::picture;

  auto p = std::make_shared<Picture>();
  p->width = static_cast<int>(h.width);
  p->height = static_cast<int>(h.height);
  p->has_alpha = h.has_alpha != 0;
  const std::size_t length = static_cast<std::size_t>(st.st_size);
  if (length >= kMappedFromBytes) {
    void* at = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0);
    if (at == MAP_FAILED) return Cached::nothing;
    // Unmapped with the last picture that reads it.
    std::shared_ptr<const void> mapping(at, [length](const void* m) { ::munmap(const_cast<void*>(m), length); });
    p->argb = Pixels(reinterpret_cast<const std::uint32_t*>(static_cast<const char*>(at) + sizeof h), pixels,
                     std::move(mapping));
  } else {
    p->argb.resize(pixels);
    if (!read_at(fd, p->argb.data(), p->argb.size() * sizeof(std::uint32_t), sizeof h)) return Cached::nothing;
  }
  if (entry_checksum(h, *p) != h.checksum) return Cached::nothing;
  *picture = std::move(p);
  return Cached::picture;
}

void store_cached_picture(const std::filesystem::path& folder, const PictureCacheKey& key, const Picture& picture) {
  Header h;
  std::memcpy(h.magic, kMagic, sizeof kMagic);
  h.version = kVersion;
  h.has_alpha = picture.has_alpha ? 1 : 0;
  h.width = static_cast<std::uint32_t>(picture.width);
  h.height = static_cast<std::uint32_t>(picture.height);
  h.file_length = key.length;
  h.file_hash = key.hash;
  h.checksum = entry_checksum(h, picture);
  const std::filesystem::path entry = picture_cache_entry(folder, key);
  auto write = [&] {
    OutputFile out(entry, Flush::to_system);  // a cut-short entry fails its checks
    if (!out.ok()) return false;
    std::fwrite(&h, sizeof h, 1, out.stream());
    std::fwrite(picture.argb.data(), sizeof(std::uint32_t), picture.argb.size(), out.stream());
    std::string ignored;
    return out.commit(ignored);
  };
  if (write()) return;
  // The folder may not be there yet (another thread may be making it); anything
  // else leaves the entry unwritten.
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec) write();
}

}  // namespace vx
