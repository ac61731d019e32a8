// INI text as Config.ini and skin description files write it, read from memory
// (no file system: the platform side reads the file, a web page fetches it).
// Section and key names are not case-sensitive. A text key takes its default only
// when it is missing; an integer key (decimal, or hexadecimal with a leading "$")
// takes its default when it is missing, empty or not a number.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The integer syntax of INI values: optional sign, then decimal digits or "$"
// and up to eight hexadecimal digits (read as 32 bits, so "$FFFFFFFF" is -1).
// Surrounding blanks are allowed; anything else is not a number.
std::optional<int> parse_ini_int(std::string_view text);

// Whether `bytes` is text: no control characters other than blanks and line ends.
bool is_ini_text(std::string_view bytes);

class IniText {
 public:
  IniText();
  virtual ~IniText();
  IniText(const IniText&) = delete;
  IniText& operator=(const IniText&) = delete;

  // Reads `text`, forgetting what was read before; false when it cannot be read
  // (every key then reads as missing).
  bool parse(std::string_view text);
  // Forgets everything read.
  void clear();

  bool has_section(std::string_view section) const;
  // The key's text as written, or nothing when it is missing.
  std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
  bool has_key(std::string_view section, std::string_view key) const;
  std::string read_text(std::string_view section, std::string_view key, std::string_view fallback) const;
  int read_int(std::string_view section, std::string_view key, int fallback) const;

 private:
  const char* raw(std::string_view section, std::string_view key) const;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx
