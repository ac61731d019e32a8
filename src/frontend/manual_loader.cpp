#include "frontend/manual_loader.h"

#include <cstdio>

#include "frontend/form_look.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/picture_file.h"

namespace vx {
namespace {

constexpr int kLargestSide = 16384;

int usable_side(int value, int fallback, const char* key) {
  if (value >= 1 && value <= kLargestSide) return value;
  std::fprintf(stderr, "Config.ini: [Manual] %s=%d is not a usable window size; %d is used\n", key, value, fallback);
  return fallback;
}

}  // namespace

ManualConfig read_manual_config(const IniFile& config) {
  const ManualConfig d;
  return {config.read_text("Manual", "ManualDir", d.ManualDir),
          config.read_int("Manual", "ManualHeight", d.ManualHeight),
          config.read_int("Manual", "ManualWidth", d.ManualWidth)};
}

std::string manual_page_file(const ManualConfig& config, int page) {
  std::string folder = config.ManualDir;
  // An empty folder means the program's own folder, not the root of the drive.
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder + std::to_string(page) + ".bmp";
}

ManualSetup load_manual(const ManualConfig& config, const std::filesystem::path& base) {
  const ManualConfig defaults;
  ManualSetup setup;
  setup.height = usable_side(config.ManualHeight, defaults.ManualHeight, "ManualHeight");
  setup.width = usable_side(config.ManualWidth, defaults.ManualWidth, "ManualWidth");
  // Each page is checked now, so that a page that cannot be decoded is said at
  // start-up, and decoded when it is first shown.
  for (int n = 1; n <= 6; ++n) {
    const std::string file = manual_page_file(config, n);
    const auto path = resolve_path(file, base);
    if (configured_file_exists(file, base) && picture_file_decodes_or_say(path, file)) {
      setup.page_files[n] = path;
      setup.page_names[n] = file;
    } else {
      setup.pages[n] = placeholder_picture();
    }
  }
  for (int b = 0; b < kManualButtonCount; ++b)
    setup.buttons[b] = form_design_picture("TManualForm", manual_button_name(static_cast<ManualButton>(b)), base);
  return setup;
}

std::unique_ptr<TManualForm> create_manual_form(const std::filesystem::path& config_file) {
  IniFile config;
  config.load(config_file);  // a missing file: every key takes its default
  return std::make_unique<TManualForm>(load_manual(read_manual_config(config), config_file.parent_path()));
}

}  // namespace vx
