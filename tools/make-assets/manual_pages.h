// The console's instruction booklet as six page pictures (1.bmp .. 6.bmp) for the
// manual viewer: cover, the controls, phases 1 and 2, phases 3 and 4, scoring and
// skill levels, tips. Illustrated with the first skin's own pictures.
#pragma once

#include <QSize>
#include <filesystem>

namespace vx::assets {

inline constexpr const char* kManualDir = "Graphics\\Manual\\";
inline constexpr QSize kManualPageSize{475, 675};
inline constexpr int kManualPages = 6;

void write_manual(const std::filesystem::path& data_dir);

}  // namespace vx::assets
