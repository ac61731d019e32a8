// Loading the manual at start-up: the page folder and the window's client size
// from section Manual of Config.ini, the six page pictures 1.bmp .. 6.bmp from
// that folder, each missing one replaced by the red placeholder, and the button
// pictures of the form's design.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "frontend/manual_form.h"

namespace vx {

class IniFile;

struct ManualConfig {
  std::string ManualDir = "Graphics\\Manual\\";
  int ManualHeight = 675;
  int ManualWidth = 475;
};

// The Manual keys of Config.ini; missing ones (or a missing file) give the defaults.
ManualConfig read_manual_config(const IniFile& config);

// The configured file name of page n: the folder, a delimiter when it has none,
// then n and ".bmp" ("Graphics\Manual\3.bmp").
std::string manual_page_file(const ManualConfig& config, int page);

// The pages from the folder and the button pictures (both relative to `base`, the
// data folder; the working directory when empty). A client size outside 1..16384 is said on standard error and the
// default used; a page that exists but cannot be decoded is said too. The pages
// that can be are decoded when first wanted (ManualSetup::page).
ManualSetup load_manual(const ManualConfig& config, const std::filesystem::path& base = {});

// The viewer as the program creates it, hidden: Config.ini read from `config_file`.
std::unique_ptr<TManualForm> create_manual_form(const std::filesystem::path& config_file);

}  // namespace vx
