// The desktop tests run offscreen in one QApplication, with the settings and
// cache folders pointed at a temporary directory so the player's own settings
// and cached pictures are never touched (also by the programs a test runs), and
// SDL's silent audio driver.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  QTemporaryDir config;
  if (!config.isValid()) return 2;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  qputenv("XDG_CACHE_HOME", (config.path() + "/cache").toLocal8Bit());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
