#include "platform/ini_file.h"

// Only the narrow-character interface is used: no UTF conversion needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace vx {

std::optional<int> parse_ini_int(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  if (text.front() == '$') {
    text.remove_prefix(1);
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t bits = 0;
    for (char c : text) {
      int d;
      if (c >= '0' && c <= '9')
        d = c - '0';
      else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
      else
        return std::nullopt;
      bits = bits << 4 | static_cast<std::uint32_t>(d);
    }
    value = static_cast<std::int32_t>(bits);
  } else {
    for (char c : text) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
      if (value > 2147483648LL) return std::nullopt;
    }
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

struct IniFile::Impl {
  CSimpleIniA ini;  // the A variant ignores case in names
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) { impl_->ini.SetMultiKey(false); }
IniFile::~IniFile() = default;

namespace {

// Far more than any Config.ini or Skin.ini holds.
constexpr std::size_t kMaxIniFileBytes = 4u << 20;

std::string system_reason(int error) { return std::generic_category().message(error); }

bool is_text(std::string_view bytes) {
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') return false;
  }
  return true;
}

}  // namespace

bool IniFile::load(const std::filesystem::path& path) {
  std::string error;
  return load(path, error);
}

bool IniFile::load(const std::filesystem::path& path, std::string& error) {
  impl_->ini.Reset();
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
  std::string bytes;
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
  if (!is_text(bytes)) {
    error = "is not a text file";
    return false;
  }
  if (impl_->ini.LoadData(bytes.data(), bytes.size()) != SI_OK) {
    error = "cannot be read";
    return false;
  }
  error.clear();
  return true;
}

const char* IniFile::raw(std::string_view section, std::string_view key) const {
  return impl_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
}

bool IniFile::has_section(std::string_view section) const {
  return impl_->ini.GetSection(std::string(section).c_str()) != nullptr;
}

bool IniFile::has_key(std::string_view section, std::string_view key) const { return raw(section, key) != nullptr; }

std::string IniFile::read_text(std::string_view section, std::string_view key, std::string_view fallback) const {
  const char* v = raw(section, key);
  return v ? std::string(v) : std::string(fallback);
}

int IniFile::read_int(std::string_view section, std::string_view key, int fallback) const {
  const char* v = raw(section, key);
  if (!v) return fallback;
  return parse_ini_int(v).value_or(fallback);
}

}  // namespace vx
