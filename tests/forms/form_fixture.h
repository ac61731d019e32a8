// Shared set-up of the widget tests: a created console with the keys read from an
// empty settings store, as the console window's creation leaves them.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QWidget>
#include <array>

#include "game/console_state.h"
#include "platform/settings.h"

namespace vx::test {

inline SettingKey key_setting(int n) { return static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + n - 1); }

struct ConsoleFixture : testing::Test {
  Console console;
  QWidget console_window;

  ConsoleFixture() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50").clear();
    store = std::make_unique<SettingsStore>();
    console.FormCreate();
    std::array<int, 7> keys{};
    for (int n = 1; n <= 6; ++n) {
      keys[n] = store->read_int(key_setting(n));
      store->write_int(key_setting(n), keys[n]);
    }
    console.assign_keys(keys);
  }
  std::unique_ptr<SettingsStore> store;
  // The raw text a setting is stored as ("" when absent).
  static QString stored(const char* name) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brimlock", "Vornix50").value(name).toString();
  }
};

}  // namespace vx::test
