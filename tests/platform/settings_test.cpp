// The settings store on a real QSettings file in a temporary configuration folder.
#include "platform/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

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
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(s.read_int(static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + i)), keys[i]);
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

TEST_F(Settings, TextThatIsNotANumberReadsAsTheDefaultButBooleansAlsoReadTrueAndFalse) {
  // A file edited by hand may say true or false in any case; written back, a
  // boolean is "0" or "1" again.
  const std::pair<const char*, bool> booleans[] = {
      {"false", false}, {"FALSE", false}, {" False ", false}, {"true", true}, {"TRUE", true},
      {"0", false},     {"1", true},      {"7", true},        {"", true},     {"abc", true},
  };
  for (const auto& [text, value] : booleans) {
    {
      QSettings raw_store(file(), QSettings::NativeFormat);
      raw_store.setValue("SplashScreen", text);
      raw_store.setValue("Key4", "abc");
    }
    SettingsStore s;
    EXPECT_EQ(s.read_bool(SettingKey::SplashScreen), value) << '"' << text << '"';
    EXPECT_EQ(s.read_int(SettingKey::Key4), 39);
    s.write_bool(SettingKey::SplashScreen, value);
    EXPECT_EQ(raw("SplashScreen"), value ? "1" : "0");
  }
}

TEST_F(Settings, AClosedStoreGivesDefaultsAndWritesNothing) {
  SettingsStore s;
  s.write_int(SettingKey::Skin, 2);
  s.close();
  EXPECT_EQ(s.read_int(SettingKey::Skin), -1);
  s.write_int(SettingKey::Skin, 1);
  EXPECT_EQ(raw("Skin"), "2");
}

// Start-up writes the keys and Play's choices back on every run: a value already
// stored in the same words is not saved again; other words for it are.
TEST_F(Settings, AValueStoredInTheSameWordsIsNotSavedAgain) {
  struct Case {
    const char* stored;
    bool saved;
  };
  for (const Case c : {Case{"39", false}, {"039", true}, {" 39", true}, {"abc", true}, {"", true}}) {
    SCOPED_TRACE(std::string("stored \"") + c.stored + "\"");
    {
      QSettings raw_store(file(), QSettings::NativeFormat);
      raw_store.clear();
      raw_store.setValue("Key4", c.stored);
      raw_store.setValue("Key5", "40");
    }
    SettingsStore s;
    const std::pair<SettingKey, int> back[] = {{SettingKey::Key4, s.read_int(SettingKey::Key4, 39)},
                                               {SettingKey::Key5, 40}};
    // Saving renames a new file over the old one: a new inode.
    struct stat was {};
    ASSERT_EQ(::stat(file().toLocal8Bit().constData(), &was), 0);
    s.write_ints(back);
    struct stat now {};
    ASSERT_EQ(::stat(file().toLocal8Bit().constData(), &now), 0);
    EXPECT_EQ(now.st_ino != was.st_ino, c.saved);
    EXPECT_EQ(raw("Key4"), "39");
    EXPECT_EQ(raw("Key5"), "40");
  }
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

TEST_F(Settings, ADirectoryWhereTheFileShouldBeReadsDefaultsAndSaysSoOnce) {
  ASSERT_TRUE(QDir().mkpath(file()));
  testing::internal::CaptureStderr();
  {
    SettingsStore s;
    EXPECT_EQ(s.read_int(SettingKey::Key6), 42);
    s.write_int(SettingKey::Key6, 44);
    s.write_int(SettingKey::Skin, 2);
    EXPECT_EQ(s.read_int(SettingKey::Key6), 44);
  }
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_TRUE(QFileInfo(file()).isDir()) << "nothing was put in its place";
}

TEST_F(Settings, CorruptTextReadsAsDefaultsAndTheNextWriteLeavesAWholeFile) {
  ASSERT_TRUE(QDir().mkpath(dir.path() + "/Brimlock"));
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  const char garbage[] = "\x01\xff[General\nKey4=\x00\x00\nSkin==\n\n[\xfe]=\nCtrlrOverlay=0\n";
  f.write(garbage, sizeof garbage - 1);
  f.close();
  testing::internal::CaptureStderr();
  {
    SettingsStore s;
    EXPECT_EQ(s.read_int(SettingKey::Key4), 39);
    EXPECT_EQ(s.read_int(SettingKey::Skin), -1);
    s.write_int(SettingKey::Key4, 11);
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the write went through: nothing to report";
  SettingsStore again;
  EXPECT_EQ(again.read_int(SettingKey::Key4), 11);
  EXPECT_EQ(raw("Key4"), "11");
}

TEST_F(Settings, TwoProgramsWritingInTurnLoseNothing) {
  // Each program writes its own value a thousand times, taking turns through two
  // pipes; every write is synced, so the file always holds both latest values.
  int to_child[2], to_parent[2];
  ASSERT_EQ(::pipe(to_child), 0);
  ASSERT_EQ(::pipe(to_parent), 0);
  constexpr int kRounds = 1000;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SettingsStore s;
    char token = 0;
    for (int i = 1; i <= kRounds; ++i) {
      if (::read(to_child[0], &token, 1) != 1) ::_exit(2);
      s.write_int(SettingKey::Key2, i);
      if (::write(to_parent[1], &token, 1) != 1) ::_exit(2);
    }
    ::_exit(0);
  }
  {
    SettingsStore s;
    char token = 't';
    for (int i = 1; i <= kRounds; ++i) {
      s.write_int(SettingKey::Key1, i);
      ASSERT_EQ(::write(to_child[1], &token, 1), 1);
      ASSERT_EQ(::read(to_parent[0], &token, 1), 1);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(raw("Key1"), QString::number(kRounds));
  EXPECT_EQ(raw("Key2"), QString::number(kRounds));
}

}  // namespace
}  // namespace vx
