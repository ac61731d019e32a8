#include "platform/settings.h"

#include <QSettings>
#include <QString>
#include <array>
#include <cstdio>
#include <optional>

#include "game/actions.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vx {
namespace {

struct Entry {
  std::string_view name;
  int fallback;
};
// Every persisted value and its default.
constexpr std::array<Entry, kSettingCount> kSettings{{
    {"Skin", -1},
    {"SoundMode", -1},
    {"SplashScreen", 1},
    {"FullscreenMode", 1},
    {"CtrlrOverlay", 1},
    {"Key1", kDefaultKeyIndex[ActPower]},
    {"Key2", kDefaultKeyIndex[ActSelect]},
    {"Key3", kDefaultKeyIndex[ActStart]},
    {"Key4", kDefaultKeyIndex[ActLeft]},
    {"Key5", kDefaultKeyIndex[ActRight]},
    {"Key6", kDefaultKeyIndex[ActFire]},
    {"Zoom", 100},
    {"FullscreenFit", 0},
    {"PauseInactive", 0},
    {"RememberPosition", 0},
    {"WindowLeft", kNoStoredPosition},
    {"WindowTop", kNoStoredPosition},
    {"Volume", 100},
    {"Muted", 0},
    {"Best1", 0},
    {"Best2", 0},
    {"Best3", 0},
    {"Best4", 0},
    {"AskBeforeQuit", 0},
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

// What shows that a save reached the disk. QSettings writes a whole new file and
// renames it over the old one, so the file's identity (device and inode) changes
// with every save that lands. Its status alone cannot tell: once it has read a
// damaged line it keeps FormatError and reports no later AccessError. The
// registry (the native store on Windows) has no file: there the status says it.
using FileIdentity = std::optional<std::pair<unsigned long long, unsigned long long>>;
FileIdentity identity_of(const QString& file) {
#ifndef _WIN32
  struct stat st;
  if (::stat(file.toLocal8Bit().constData(), &st) == 0)
    return std::pair{static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
#else
  (void)file;
#endif
  return std::nullopt;
}

bool saved(const QSettings& store, const FileIdentity& before, const FileIdentity& after) {
  if (store.status() == QSettings::AccessError) return false;
#ifdef _WIN32
  return true;
#else
  return after && after != before;
#endif
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
  bool last_save_failed = false;

  // Writes what was set, and says once when it did not reach the disk.
  void save() {
    const FileIdentity before = identity_of(store.fileName());
    store.sync();
    last_save_failed = !saved(store, before, identity_of(store.fileName()));
    if (!last_save_failed || sync_failure_said) return;
    sync_failure_said = true;
    std::fprintf(stderr, "%s: the settings could not be saved; play goes on\n",
                 store.fileName().toLocal8Bit().constData());
  }
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

bool SettingsStore::read_bool(SettingKey key, bool fallback) const {
  if (!impl_) return fallback;
  const QString text = impl_->store.value(qname(key)).toString().trimmed();
  if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
  if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
  return read_int(key, fallback ? 1 : 0) != 0;
}

void SettingsStore::write_int(SettingKey key, int value) {
  const std::pair<SettingKey, int> one{key, value};
  write_ints({&one, 1});
}

void SettingsStore::write_ints(std::span<const std::pair<SettingKey, int>> values) {
  if (!impl_) return;
  // Values stored already in these very words need no save (start-up writes the
  // keys and Play's choices back every time); after a save that failed, every
  // write tries again.
  bool changed = impl_->last_save_failed;
  for (const auto& [key, value] : values) {
    const QString text = QString::number(value);
    const QVariant stored = impl_->store.value(qname(key));
    if (stored.typeId() == QMetaType::QString && stored.toString() == text) continue;
    impl_->store.setValue(qname(key), text);
    changed = true;
  }
  if (changed) impl_->save();
}

void SettingsStore::close() { impl_.reset(); }

}  // namespace vx
