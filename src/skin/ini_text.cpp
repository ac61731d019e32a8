#include "skin/ini_text.h"

// Only the narrow-character interface is used: no UTF conversion needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <cstdint>

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

bool is_ini_text(std::string_view bytes) {
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') return false;
  }
  return true;
}

struct IniText::Impl {
  CSimpleIniA ini;  // the A variant ignores case in names
};

IniText::IniText() : impl_(std::make_unique<Impl>()) { impl_->ini.SetMultiKey(false); }
IniText::~IniText() = default;

void IniText::clear() { impl_->ini.Reset(); }

bool IniText::parse(std::string_view text) {
  impl_->ini.Reset();
  return impl_->ini.LoadData(text.data(), text.size()) == SI_OK;
}

const char* IniText::raw(std::string_view section, std::string_view key) const {
  return impl_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
}

bool IniText::has_section(std::string_view section) const {
  return impl_->ini.GetSection(std::string(section).c_str()) != nullptr;
}

std::optional<std::string_view> IniText::value(std::string_view section, std::string_view key) const {
  if (const char* v = raw(section, key)) return std::string_view(v);
  return std::nullopt;
}

bool IniText::has_key(std::string_view section, std::string_view key) const { return raw(section, key) != nullptr; }

std::string IniText::read_text(std::string_view section, std::string_view key, std::string_view fallback) const {
  const char* v = raw(section, key);
  return v ? std::string(v) : std::string(fallback);
}

int IniText::read_int(std::string_view section, std::string_view key, int fallback) const {
  const char* v = raw(section, key);
  if (!v) return fallback;
  return parse_ini_int(v).value_or(fallback);
}

}  // namespace vx
