// The settings store on a real QSettings file in a temporary configuration folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/settings.h"

namespace vx {
namespace {

struct Settings : testing::Test {
  QTemporaryDir dir;
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    // Qt reads XDG_CONFIG_HOME once per process; later tests in the same process
    // need their folder set explicitly.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  }
  QString file() const { return dir.path() + "/Brimlock/Vornix50.conf"; }
  QString raw(const char* name) const { return QSettings(file(), QSettings::NativeFormat).value(name).toString(); }
};

TEST_F(Settings, AnEmptyStoreReadsTheDefaults) {
  SettingsStore s;
  EXPECT_EQ(s.read_int(SettingKey::Skin), -1);
  EXPECT_EQ(s.read_int(SettingKey::SoundMode), -1);
  EXPECT_TRUE(s.read_bool(SettingKey::SplashScreen));
  EXPECT_TRUE(s.read_bool(SettingKey::FullscreenMode));
  EXPECT_TRUE(s.read_bool(SettingKey::CtrlrOverlay));
  const int keys[] = {2, 3, 4, 39, 40, 42};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(s.read_int(static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + i)), keys[i]);
  EXPECT_FALSE(s.read_bool(SettingKey::Skin, false) == s.read_bool(SettingKey::Skin, true));  // absent
}

TEST_F(Settings, ValuesAreTextWrittenAtOnceAndSurviveTheProcess) {
  {
    SettingsStore s;
    s.write_int(SettingKey::Key4, 11);
    s.write_bool(SettingKey::FullscreenMode, false);
    s.write_int(SettingKey::SoundMode, -1);
    // Written and synced before the store closes: another reader sees it now.
    EXPECT_EQ(raw("Key4"), "11");
    EXPECT_EQ(raw("FullscreenMode"), "0");
    EXPECT_EQ(raw("SoundMode"), "-1");
  }
  SettingsStore again;
  EXPECT_EQ(again.read_int(SettingKey::Key4), 11);
  EXPECT_FALSE(again.read_bool(SettingKey::FullscreenMode));
}

TEST_F(Settings, TextThatIsNotANumberReadsAsTheDefault) {
  {
    QSettings raw_store(file(), QSettings::NativeFormat);
    raw_store.setValue("Key4", "abc");
    raw_store.setValue("CtrlrOverlay", "");
    raw_store.setValue("SplashScreen", "7");
  }
  SettingsStore s;
  EXPECT_EQ(s.read_int(SettingKey::Key4), 39);
  EXPECT_TRUE(s.read_bool(SettingKey::CtrlrOverlay));
  EXPECT_TRUE(s.read_bool(SettingKey::SplashScreen));  // non-zero is true
}

TEST_F(Settings, AClosedStoreGivesDefaultsAndWritesNothing) {
  SettingsStore s;
  s.write_int(SettingKey::Skin, 2);
  s.close();
  EXPECT_EQ(s.read_int(SettingKey::Skin), -1);
  s.write_int(SettingKey::Skin, 1);
  EXPECT_EQ(raw("Skin"), "2");
}

TEST_F(Settings, AStoreThatCannotBeWrittenSaysSoOnceAndPlayGoesOn) {
  // The configuration folder would lie under a plain file: nothing can be created.
  QFile blocker(dir.path() + "/blocker");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/blocker");
  testing::internal::CaptureStderr();
  {
    SettingsStore s;
    s.write_int(SettingKey::SoundMode, 0);
    s.write_bool(SettingKey::SplashScreen, false);
    s.write_int(SettingKey::Key1, 5);
    EXPECT_EQ(s.read_int(SettingKey::Key1), 5) << "the value holds for this run";
  }
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("Vornix50.conf"), std::string::npos) << err;
  EXPECT_FALSE(QFile::exists(dir.path() + "/blocker/Brimlock/Vornix50.conf"));
}

}  // namespace
}  // namespace vx
