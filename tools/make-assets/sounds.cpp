#include "assets.h"

namespace vx::assets {

void write_sounds(const std::filesystem::path&) {}

}  // namespace vx::assets
