// Full screen fitted to the screen's height draws the console on a canvas of the
// screen's shape at the console's height: a skin far taller than the screen
// would make that canvas pass the limits of a console's canvas. It is then shown
// at its own size instead, on a canvas as large as the screen.
#include <gtest/gtest.h>

#include <QSettings>
#include <fstream>
#include <sstream>

#include "display/console_window.h"
#include "skin/skin_description.h"
#include "support/installation.h"

namespace vx::test {
namespace {

TEST(FittedCanvas, AConsoleFarTallerThanTheScreenIsShownAtItsOwnSize) {
  const std::string folder = bundled_skin_folders().at(0);
  std::ifstream in(installed(folder + "Skin.ini"));
  std::stringstream text;
  text << in.rdbuf();
  std::string skin = text.str();
  for (const auto& [key, value] : {std::pair{"GameWidth=", "2048"}, std::pair{"GameHeight=", "8192"}}) {
    const auto at = skin.find(key) + std::string(key).size();
    skin.replace(at, skin.find('\n', at) - at, value);
  }
  ReplacedFile tall(installed(folder + "Skin.ini"), Bytes(skin.begin(), skin.end()));
  {
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50");
    stored.setValue("FullscreenMode", "1");
    stored.setValue("FullscreenFit", "1");
  }
  TForm1 form1({installation(), 1});
  form1.SkinIndex = 1;
  form1.run_skin_loader();
  const QSize screen = form1.screen_size();
  EXPECT_EQ(form1.frame().size(), screen);
  std::string limit;
  EXPECT_TRUE(canvas_allowed(form1.frame().width(), form1.frame().height(), limit)) << limit;
  EXPECT_TRUE(form1.view().identity());
}

}  // namespace
}  // namespace vx::test
