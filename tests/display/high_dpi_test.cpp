// The real program on a high-DPI screen (Qt scaling the whole window by 2): the
// console is drawn from its pictures without blur, every console pixel a clean
// block of device pixels, at 100 % and, three device pixels a console pixel, at
// 150 %.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include "support/temp_dir.h"
#include "support/test_install.h"

namespace vx::test {
namespace {

// The window as the program saves it, with Qt's scale factor `ratio`.
QImage shot_at(double ratio, int zoom) {
  static TempDir install;
  static bool written = (write_test_install(install.path(), 1), true);
  (void)written;
  QTemporaryDir config;
  {
    QSettings s(config.path() + "/Brimlock/Vornix50.conf", QSettings::IniFormat);
    for (auto [name, value] :
         {std::pair{"Skin", "1"}, {"SoundMode", "2"}, {"SplashScreen", "0"}, {"FullscreenMode", "0"}})
      s.setValue(name, value);
    s.setValue("Zoom", QString::number(zoom));
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", VORNIX_OFFSCREEN_SCREEN);  // 800 x 500 at twice the pixels
  env.insert("QT_SCALE_FACTOR", QString::number(ratio));
  env.insert("SDL_AUDIODRIVER", "dummy");
  env.insert("XDG_CONFIG_HOME", config.path());
  const QString file = config.path() + "/shot.png";
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(VORNIX_SIMULATOR, {"--no-dialogs", "--data-dir", QString::fromStdString(install.path().string()),
                             "--quit-after", "300", "--screenshot", file});
  EXPECT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  return QImage(file);
}

// How many `block` x `block` squares of the picture hold more than one colour.
int mixed_blocks(const QImage& img, int block) {
  int mixed = 0;
  for (int y = 0; y + block <= img.height(); y += block)
    for (int x = 0; x + block <= img.width(); x += block) {
      const QRgb first = img.pixel(x, y);
      bool same = true;
      for (int dy = 0; dy < block && same; ++dy)
        for (int dx = 0; dx < block && same; ++dx) same = img.pixel(x + dx, y + dy) == first;
      mixed += !same;
    }
  return mixed;
}

TEST(HighDpi, TheConsoleIsDrawnWithoutBlurAtTwiceTheDevicePixels) {
  const QImage at100 = shot_at(2, 100);
  ASSERT_EQ(at100.size(), QSize(2 * kTestGameWidth, 2 * kTestGameHeight));
  EXPECT_EQ(mixed_blocks(at100, 2), 0);
  const QImage at150 = shot_at(2, 150);
  ASSERT_EQ(at150.size(), QSize(3 * kTestGameWidth, 3 * kTestGameHeight));
  EXPECT_EQ(mixed_blocks(at150, 3), 0) << "150 % on a 2x screen lands on whole device pixels: sharp";
  // The same 150 % on an ordinary screen is smoothed: colours the pictures do not
  // have appear where two meet.
  const QImage plain = shot_at(1, 150);
  ASSERT_EQ(plain.size(), QSize(kTestGameWidth * 3 / 2, kTestGameHeight * 3 / 2));
  QSet<QRgb> pictures;
  for (int y = 0; y < at100.height(); ++y)
    for (int x = 0; x < at100.width(); ++x) pictures.insert(at100.pixel(x, y));
  int blended = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) blended += !pictures.contains(plain.pixel(x, y));
  EXPECT_GT(blended, 0);
}

}  // namespace
}  // namespace vx::test
