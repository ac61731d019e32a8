// The simulator's own settings beside the original ones, and the portable store.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "platform/settings.h"

namespace vx {
namespace {

struct ExtraSettings : testing::Test {
  QTemporaryDir user, portable;
  void SetUp() override {
    ASSERT_TRUE(user.isValid() && portable.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
  }
  void TearDown() override { use_settings_file({}); }
  QString user_file() const { return user.path() + "/Brimlock/Vornix50.conf"; }
};

TEST_F(ExtraSettings, NewValuesAreOffOrPlainAndKeepTheirOwnNames) {
  {
    SettingsStore s;
    EXPECT_EQ(s.read_int(SettingKey::Zoom), 100);
    EXPECT_FALSE(s.read_bool(SettingKey::FullscreenFit));
    EXPECT_FALSE(s.read_bool(SettingKey::PauseInactive));
    s.write_int(SettingKey::Zoom, 150);
    s.write_bool(SettingKey::FullscreenFit, true);
    s.write_bool(SettingKey::PauseInactive, true);
  }
  QSettings raw(user_file(), QSettings::NativeFormat);
  EXPECT_EQ(raw.value("Zoom").toString(), "150");
  EXPECT_EQ(raw.value("FullscreenFit").toString(), "1");
  EXPECT_EQ(raw.value("PauseInactive").toString(), "1");
  EXPECT_FALSE(raw.contains("FullscreenMode")) << "the original values are left alone";
}

TEST_F(ExtraSettings, VolumeMuteBestScoresAndTheQuitQuestionHaveTheirDefaultsAndNames) {
  struct Row {
    SettingKey key;
    const char* name;
    int fallback, written;
  };
  const Row rows[] = {
      {SettingKey::Volume, "Volume", 100, 40},          {SettingKey::Muted, "Muted", 0, 1},
      {best_score_key(1), "Best1", 0, 120},             {best_score_key(2), "Best2", 0, 2},
      {best_score_key(3), "Best3", 0, 3},               {best_score_key(4), "Best4", 0, 9999},
      {SettingKey::AskBeforeQuit, "AskBeforeQuit", 0, 1},
  };
  std::vector<std::pair<SettingKey, int>> all;
  {
    SettingsStore s;
    for (const Row& r : rows) {
      EXPECT_EQ(setting_name(r.key), r.name);
      EXPECT_EQ(s.read_int(r.key), r.fallback) << r.name;
      all.emplace_back(r.key, r.written);
    }
    s.write_ints(all);
  }
  QSettings raw(user_file(), QSettings::NativeFormat);
  for (const Row& r : rows) EXPECT_EQ(raw.value(r.name).toInt(), r.written) << r.name;
}

TEST_F(ExtraSettings, APortableStoreIsItsOwnFileAndLeavesTheUsersStoreAlone) {
  const QString file = portable.path() + "/Vornix50.ini";
  use_settings_file(file.toStdString());
  {
    SettingsStore s;
    EXPECT_TRUE(s.read_bool(SettingKey::FullscreenMode)) << "an empty portable store reads the defaults";
    s.write_bool(SettingKey::FullscreenMode, false);
    s.write_int(SettingKey::Key4, 11);
  }
  {
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value("FullscreenMode").toString(), "0");
    EXPECT_EQ(raw.value("Key4").toString(), "11");
  }
  EXPECT_FALSE(QFile::exists(user_file()));
  SettingsStore again;
  EXPECT_FALSE(again.read_bool(SettingKey::FullscreenMode));
  use_settings_file({});
  SettingsStore users;
  EXPECT_TRUE(users.read_bool(SettingKey::FullscreenMode)) << "the user's store never saw the portable run";
}

}  // namespace
}  // namespace vx
