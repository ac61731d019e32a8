#include "platform/ini_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace vx {
namespace {

// Far more than any Config.ini or Skin.ini holds.
constexpr std::size_t kMaxIniFileBytes = 4u << 20;

std::string system_reason(int error) { return std::generic_category().message(error); }

}  // namespace

bool read_ini_file_text(const std::filesystem::path& path, std::string& bytes, std::string& error) {
  bytes.clear();
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    const bool missing = !ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
    error = missing ? "not found" : "cannot be read (" + ec.message() + ")";
    return false;
  }
  if (!std::filesystem::is_regular_file(status)) {
    error = "is not a file";  // a folder, or a pipe that would block the program
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot be read (" + system_reason(errno) + ")";
    return false;
  }
  char chunk[65536];
  for (std::size_t n; bytes.size() <= kMaxIniFileBytes && (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
    bytes.append(chunk, n);
  const int read_error = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (read_error) {
    error = "cannot be read (" + system_reason(read_error) + ")";
    return false;
  }
  if (bytes.size() > kMaxIniFileBytes) {
    error = "is larger than an INI file may be";
    return false;
  }
  if (!is_ini_text(bytes)) {
    error = "is not a text file";
    return false;
  }
  error.clear();
  return true;
}

bool IniFile::load(const std::filesystem::path& path) {
  std::string error;
  return load(path, error);
}

bool IniFile::load(const std::filesystem::path& path, std::string& error) {
  clear();
  std::string bytes;
  if (!read_ini_file_text(path, bytes, error)) return false;
  if (!parse(bytes)) {
    error = "cannot be read";
    return false;
  }
  return true;
}

}  // namespace vx
