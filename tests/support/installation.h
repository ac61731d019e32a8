// The fault tests work on a copy of the build's data folder (the installation as
// the program finds it): one copy per test program, files taken away or replaced
// for one case at a time and put back afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/sprite_board.h"
#include "support/picture_writers.h"

namespace vx::test {

// The copied installation (Config.ini, Readme.txt, Whatsnew.txt, Graphics/, Sound/).
const std::filesystem::path& installation();
// The installation's path of a file given as configured ("Graphics\Skin1\Skin.ini").
std::filesystem::path installed(const std::string& configured);
// The skins the build's Config.ini lists, in order: their folders as configured.
std::vector<std::string> bundled_skin_folders();

// Runs the skin loader on the installed skin in `folder` (described by its
// Skin.ini) onto `board`, for a 1920 x 1080 screen.
bool load_installed_skin(const std::string& folder, bool fullscreen, SpriteBoard& board);

// Takes a file of the installation away for as long as it lives.
class MissingFile {
 public:
  explicit MissingFile(std::filesystem::path file);
  ~MissingFile();
  MissingFile(const MissingFile&) = delete;
  MissingFile& operator=(const MissingFile&) = delete;

 private:
  std::filesystem::path file_, kept_;
};

// Puts other bytes in place of a file of the installation for as long as it lives.
class ReplacedFile {
 public:
  ReplacedFile(std::filesystem::path file, const Bytes& bytes);
  ~ReplacedFile() = default;

 private:
  MissingFile original_;
  struct Remove {
    std::filesystem::path file;
    ~Remove();
  } written_;
};

}  // namespace vx::test
