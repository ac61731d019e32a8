#include "platform/skin_files.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/ini_file.h"
#include "platform/picture_file.h"

namespace vx {
namespace {

// The file's canonical path, or the file as named when it has none. A skin's
// pictures share a few folders, and resolving a whole path costs a system call
// per component: each folder is resolved once (kept in `folders`), and only a
// file that is itself a link is resolved whole.
std::filesystem::path key_of(const std::filesystem::path& file,
                             std::unordered_map<std::string, std::filesystem::path>& folders) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path name = file.filename();
  const fs::file_status st = fs::symlink_status(file, ec);
  if (ec || !fs::exists(st)) return file;
  if (fs::is_symlink(st) || name.empty() || name == "." || name == "..") {
    fs::path key = fs::canonical(file, ec);
    return ec ? file : key;
  }
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  auto it = folders.find(folder.native());
  if (it == folders.end()) {
    fs::path resolved = fs::canonical(folder, ec);
    it = folders.emplace(folder.native(), ec ? fs::path() : std::move(resolved)).first;
  }
  return it->second.empty() ? file : it->second / name;
}

// The limit on a picture when `left` of the skin's pixels are left.
PictureLimit skin_limit(std::int64_t left) {
  return {left, "the " + std::to_string(left) + " pixels left of the " + std::to_string(kMaxSkinPixels) +
                    " that a skin's pictures may have together"};
}

std::int64_t pixels_of(const Picture& p) { return std::int64_t{p.width} * p.height; }

}  // namespace

std::optional<SkinDescription> read_skin_description_file(const std::filesystem::path& file, std::string& error) {
  std::string text;
  if (!read_ini_file_text(file, text, error)) return std::nullopt;
  return read_skin_description(text, error);
}

// The files decoded ahead, each as if it were the skin's first picture (all of
// kMaxSkinPixels left). Threads take the next file not yet taken; so does load()
// while the file it needs is not ready.
struct SkinPictures::Prefetch {
  struct Slot {
    std::filesystem::path file;
    NewPicture picture;
    std::string error;
    bool done = false;  // guarded by mutex
  };
  std::vector<Slot> slots;
  std::unordered_map<std::string, std::size_t> by_key;
  std::unordered_map<std::string, std::filesystem::path> keys;  // each file's key, as load() will ask again
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable finished;
  std::vector<std::thread> threads;

  // Decodes the next file nobody has taken; false when none is left.
  bool decode_next() {
    const std::size_t i = next.fetch_add(1);
    if (i >= slots.size() || stop) return false;
    Slot& slot = slots[i];
    slot.picture = decode_picture_file(slot.file, slot.error, skin_limit(kMaxSkinPixels));
    {
      std::lock_guard lock(mutex);
      slot.done = true;
    }
    finished.notify_all();
    return true;
  }

  const std::filesystem::path* known_key(const std::filesystem::path& file) const {
    const auto it = keys.find(file.native());
    return it == keys.end() ? nullptr : &it->second;
  }

  Slot* wait_for(const std::filesystem::path& key) {
    const auto it = by_key.find(key.native());
    if (it == by_key.end()) return nullptr;
    Slot& slot = slots[it->second];
    for (;;) {
      {
        std::unique_lock lock(mutex);
        if (slot.done) return &slot;
      }
      if (!decode_next()) break;
    }
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return slot.done; });
    return &slot;
  }

  ~Prefetch() {
    stop = true;
    for (std::thread& t : threads) t.join();
  }
};

SkinPictures::SkinPictures() = default;
SkinPictures::~SkinPictures() = default;
SkinPictures::SkinPictures(SkinPictures&&) noexcept = default;
SkinPictures& SkinPictures::operator=(SkinPictures&&) noexcept = default;

void SkinPictures::prefetch(const std::vector<std::filesystem::path>& files, int threads) {
  prefetch_.reset();
  if (threads <= 0 || files.size() < 2) return;
  auto p = std::make_unique<Prefetch>();
  for (const std::filesystem::path& file : files) {
    std::filesystem::path key = key_of(file, folders_);
    p->keys.emplace(file.native(), key);
    if (loaded_.count(key.native()) || p->by_key.count(key.native())) continue;
    p->by_key.emplace(key.native(), p->slots.size());
    p->slots.push_back({file, nullptr, {}, false});
  }
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(threads), p->slots.size() - 1);
  for (std::size_t t = 0; t < n; ++t)
    p->threads.emplace_back([q = p.get()] {
      while (q->decode_next()) {
      }
    });
  prefetch_ = std::move(p);
}

PictureRef SkinPictures::load(const std::filesystem::path& file, std::string& error) {
  const std::filesystem::path* known = prefetch_ ? prefetch_->known_key(file) : nullptr;
  const std::filesystem::path key = known ? *known : key_of(file, folders_);
  if (auto it = loaded_.find(key.native()); it != loaded_.end()) {
    error = it->second.error;
    return it->second.picture;
  }
  const std::int64_t left = kMaxSkinPixels - pixels_;
  const PictureLimit limit = skin_limit(left);
  error.clear();
  PictureRef picture;
  bool decoded = false;
  // A picture decoded ahead stands when decoding it now would give the same: it
  // fits in what is left, or it failed while nothing had been decoded yet.
  if (Prefetch::Slot* slot = prefetch_ ? prefetch_->wait_for(key) : nullptr) {
    if (slot->picture ? pixels_of(*slot->picture) <= left : pixels_ == 0) {
      picture = std::move(slot->picture);
      error = std::move(slot->error);
      decoded = true;
    }
  }
  if (!decoded) picture = decode_picture_file(file, error, limit);
  if (picture) pixels_ += pixels_of(*picture);
  passed_limit_ = passed_limit_ || error.ends_with(limit.over);
  loaded_[key.native()] = {picture, error};
  return picture;
}

int picture_decode_threads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 1 ? static_cast<int>(std::min(cores, 8u)) - 1 : 0;
}

}  // namespace vx
