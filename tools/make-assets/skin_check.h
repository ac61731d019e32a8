// Validates a skin folder the way a careful loader would see it: the description
// and the pictures within the program's limits, every ImageN
// section with its keys, every named picture present and decodable and fitting its
// box, every box inside the console area, the 45 enemy, 40 shot and 5 ship cells
// on their lattice without overlaps, the look pictures fitting the cells that show
// them, and the four panel positions in a row. Each fault names the element.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vx::assets {

std::vector<std::string> check_skin(const std::filesystem::path& folder, const std::string& description = "Skin.ini");

}  // namespace vx::assets
