// Fuzzes the settings store with an arbitrary store file: every value must read
// as a number or its default, and writing afterwards must work.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_folder.h"
#include "platform/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString home = QString::fromStdString(fuzz_folder().string());
  static const bool ready = [] {
    qputenv("XDG_CONFIG_HOME", home.toLocal8Bit());
    return QDir().mkpath(home + "/Brimlock");
  }();
  (void)ready;
  QFile file(home + "/Brimlock/Vornix50.conf");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();
  vx::SettingsStore store;
  for (int k = 0; k < vx::kSettingCount; ++k) {
    (void)store.read_int(static_cast<vx::SettingKey>(k));
    (void)store.read_bool(static_cast<vx::SettingKey>(k));
  }
  const std::pair<vx::SettingKey, int> keys[] = {{vx::SettingKey::Key1, 7}, {vx::SettingKey::Key2, 8}};
  store.write_ints(keys);
  if (store.read_int(vx::SettingKey::Key1) != 7 || store.read_int(vx::SettingKey::Key2) != 8) std::abort();
  return 0;
}
