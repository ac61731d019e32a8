// The picture cache turned on for one test, in a folder of a temporary folder
// (made by the first entry written), and off again afterwards.
#pragma once

#include <filesystem>

#include "platform/picture_cache.h"
#include "support/temp_dir.h"

namespace vx::test {

class PictureCacheOn {
 public:
  PictureCacheOn() { use_picture_cache(folder()); }
  ~PictureCacheOn() { use_picture_cache({}); }
  PictureCacheOn(const PictureCacheOn&) = delete;
  PictureCacheOn& operator=(const PictureCacheOn&) = delete;

  std::filesystem::path folder() const { return dir_ / "pictures"; }
  // How many files the folder holds (entries, or anything half-written).
  int files() const {
    std::error_code ec;
    int n = 0;
    for (auto it = std::filesystem::directory_iterator(folder(), ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
      ++n;
    return n;
  }

 private:
  TempDir dir_;
};

}  // namespace vx::test
