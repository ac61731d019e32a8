#include "platform/data_folder.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace vx {
namespace fs = std::filesystem;

fs::path find_data_folder(const std::optional<fs::path>& option, const fs::path& executable_folder) {
  if (option) return *option;
  std::error_code ec;
  if (fs::exists(executable_folder / "Config.ini", ec)) return executable_folder;
  return executable_folder / ".." / "share" / "vornix-simulator";
}

namespace {

bool same_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// The entry of `folder` whose name matches `name` without regard to case; the
// first in name order when several do.
std::optional<std::string> find_entry(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  std::vector<std::string> matches;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (same_ignoring_case(entry, name)) matches.push_back(entry);
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

fs::path resolve_path(std::string_view configured, const fs::path& base, fs::file_status* status) {
  std::string text(configured);
  std::replace(text.begin(), text.end(), '\\', '/');
  fs::path as_written = base / fs::path(text);
  std::error_code ec;
  if (const fs::file_status st = fs::status(as_written, ec); fs::exists(st)) {
    if (status) *status = st;
    return as_written;
  }
  const fs::path written(text);

  fs::path found = base;
  bool lost = false;  // once a component matches nothing, the rest is kept as written
  for (const fs::path& part : written) {
    const std::string name = part.string();
    if (lost || name.empty() || name == "." || name == ".." || part.has_root_directory()) {
      found /= part;
      continue;
    }
    if (fs::exists(found / part, ec)) {
      found /= part;
      continue;
    }
    if (auto entry = find_entry(found, name)) {
      found /= *entry;
    } else {
      found /= part;
      lost = true;
    }
  }
  if (status) *status = fs::status(found, ec);
  return found;
}

std::string form_picture(std::string_view form, std::string_view element) {
  return "Graphics\\Forms\\" + std::string(form) + "\\" + std::string(element) + ".png";
}

bool configured_file_exists(std::string_view configured, const fs::path& base) {
  fs::file_status status;
  resolve_path(configured, base, &status);
  return fs::is_regular_file(status);
}

}  // namespace vx
