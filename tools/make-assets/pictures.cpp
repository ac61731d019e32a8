// Every picture of the installation data, and Config.ini which lists them.
#include "assets.h"
#include "form_pictures.h"
#include "manual_pages.h"
#include "skin_tools.h"
#include "skin_writer.h"

namespace vx::assets {

void write_pictures(const std::filesystem::path& data_dir) {
  ensure_gui();
  for (const SkinDesign& skin : skin_designs()) write_skin(data_dir, skin);
  write_config_ini(data_dir);
  write_manual(data_dir);
  write_form_pictures(data_dir);
}

}  // namespace vx::assets
