// Reading Config.ini and skin description files from the file system: the file's
// bytes, checked, then read as INI text (skin/ini_text.h).
#pragma once

#include <filesystem>
#include <string>

#include "skin/ini_text.h"

namespace vx {

// The bytes of a text file of at most a few megabytes; false with what is wrong
// in `error`, worded to follow the file's name: "not found", "is not a file" (a
// folder, a pipe: never opened), "cannot be read (<the system's reason>)", "is
// larger than an INI file may be" or "is not a text file" (control characters
// other than blanks and line ends).
bool read_ini_file_text(const std::filesystem::path& path, std::string& text, std::string& error);

class IniFile : public IniText {
 public:
  // Reads the file; false when it cannot be read (every key then reads as missing).
  bool load(const std::filesystem::path& path);
  // The same, with what is wrong in `error` (read_ini_file_text's words).
  bool load(const std::filesystem::path& path, std::string& error);
};

}  // namespace vx
