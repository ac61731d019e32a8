// Reading Config.ini and skin description files. Section and key names are not
// case-sensitive. A text key takes its default only when it is missing; an integer
// key (decimal, or hexadecimal with a leading "$") takes its default when it is
// missing, empty or not a number.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The integer syntax of INI values: optional sign, then decimal digits or "$"
// and up to eight hexadecimal digits (read as 32 bits, so "$FFFFFFFF" is -1).
// Surrounding blanks are allowed; anything else is not a number.
std::optional<int> parse_ini_int(std::string_view text);

class IniFile {
 public:
  IniFile();
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;
  // Reads the file; false when it cannot be read (every key then reads as missing).
  bool load(const std::filesystem::path& path);
  // The same, with what is wrong in `error`, worded to follow the file's name:
  // "not found", "is not a file" (a folder, a pipe: never opened), "cannot be read
  // (<the system's reason>)", "is larger than an INI file may be" or "is not a
  // text file" (control characters other than blanks and line ends).
  bool load(const std::filesystem::path& path, std::string& error);

  bool has_section(std::string_view section) const;
  bool has_key(std::string_view section, std::string_view key) const;
  std::string read_text(std::string_view section, std::string_view key, std::string_view fallback) const;
  int read_int(std::string_view section, std::string_view key, int fallback) const;

 private:
  const char* raw(std::string_view section, std::string_view key) const;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx
