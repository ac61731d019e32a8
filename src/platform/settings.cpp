#include "platform/settings.h"

#include <QSettings>
#include <QString>
#include <array>
#include <cstdio>

namespace vx {
namespace {

struct Entry {
  std::string_view name;
  int fallback;
};
// Every persisted value and its default.
constexpr std::array<Entry, 17> kSettings{{
    {"Skin", -1},
    {"SoundMode", -1},
    {"SplashScreen", 1},
    {"FullscreenMode", 1},
    {"CtrlrOverlay", 1},
    {"Key1", 2},
    {"Key2", 3},
    {"Key3", 4},
    {"Key4", 39},
    {"Key5", 40},
    {"Key6", 42},
    {"Zoom", 100},
    {"FullscreenFit", 0},
    {"PauseInactive", 0},
    {"RememberPosition", 0},
    {"WindowLeft", kNoStoredPosition},
    {"WindowTop", kNoStoredPosition},
}};

// The portable store's file; empty: the user's store.
std::filesystem::path& settings_file() {
  static std::filesystem::path file;
  return file;
}

QString qname(SettingKey key) {
  const auto n = setting_name(key);
  return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
}

}  // namespace

std::string_view setting_name(SettingKey key) { return kSettings[static_cast<int>(key)].name; }
int setting_default(SettingKey key) { return kSettings[static_cast<int>(key)].fallback; }

void use_settings_file(const std::filesystem::path& file) { settings_file() = file; }

struct SettingsStore::Impl {
  QSettings store = settings_file().empty()
                        ? QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50")
                        : QSettings(QString::fromStdString(settings_file().string()), QSettings::IniFormat);
  bool sync_failure_said = false;
};

SettingsStore::SettingsStore() : impl_(std::make_unique<Impl>()) {}
SettingsStore::~SettingsStore() = default;

int SettingsStore::read_int(SettingKey key, int fallback) const {
  if (!impl_) return fallback;
  const QVariant v = impl_->store.value(qname(key));
  if (!v.isValid()) return fallback;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok, 10);
  return ok ? n : fallback;
}

void SettingsStore::write_int(SettingKey key, int value) {
  if (!impl_) return;
  impl_->store.setValue(qname(key), QString::number(value));
  impl_->store.sync();
  // A format error only says the file read in was damaged; the write went through.
  if (impl_->store.status() == QSettings::AccessError && !impl_->sync_failure_said) {
    impl_->sync_failure_said = true;
    std::fprintf(stderr, "%s: the settings could not be saved; play goes on\n",
                 impl_->store.fileName().toLocal8Bit().constData());
  }
}

void SettingsStore::close() { impl_.reset(); }

}  // namespace vx
