// A skin's files on the file system: its description file read and checked
// (skin/skin_description.h reads the text), and its pictures decoded within the
// pixels a skin's pictures may have together (kMaxSkinPixels), on every core.
#pragma once

#include <cstdint>
#include <filesystem>
#include <unordered_map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/picture.h"
#include "skin/skin_description.h"

namespace vx {

// Reads `file` as a skin description; null with `error` worded to follow the
// file's name ("not found", "is not a file", "is not a text file", "is empty",
// "describes no skin", "has [Common] GameWidth 100000, outside 1..8192", ...).
std::optional<SkinDescription> read_skin_description_file(const std::filesystem::path& file, std::string& error);

// The pictures of one skin, decoded within kMaxSkinPixels together. A file named
// again (also through another name or a link) is the same picture, decoded once.
class SkinPictures {
 public:
  SkinPictures();
  ~SkinPictures();
  SkinPictures(SkinPictures&&) noexcept;
  SkinPictures& operator=(SkinPictures&&) noexcept;

  // Starts decoding `files` (those load() will be asked for, in that order) on
  // `threads` threads; load() helps while it waits for its file. Each file is
  // taken in its turn at load(), so what load() gives, refuses and says is what
  // decoding one file after the other gives. 0 threads: load() decodes alone.
  void prefetch(const std::vector<std::filesystem::path>& files, int threads);
  // Whether files are being decoded ahead.
  bool prefetching() const { return prefetch_ != nullptr; }
  // The picture in `file`, or null with `error` saying why (the file's fault, or
  // the limit it would pass).
  PictureRef load(const std::filesystem::path& file, std::string& error);
  // Whether a picture was refused because the skin's pictures together would
  // have passed kMaxSkinPixels.
  bool passed_limit() const { return passed_limit_; }

 private:
  struct Loaded {
    PictureRef picture;
    std::string error;
  };
  // Keyed by paths' text: comparing paths part by part costs more than the load.
  std::unordered_map<std::string, Loaded> loaded_;                 // by the file's canonical path
  std::unordered_map<std::string, std::filesystem::path> folders_;  // folders as named -> canonical
  std::int64_t pixels_ = 0;                                         // of the pictures decoded so far
  bool passed_limit_ = false;
  struct Prefetch;
  std::unique_ptr<Prefetch> prefetch_;
};

// The decoding threads that make the most of this machine's cores beside the
// caller of SkinPictures::load (0 on a single core).
int picture_decode_threads();

}  // namespace vx
