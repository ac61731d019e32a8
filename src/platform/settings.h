// The per-user settings store: QSettings in its native format under organisation
// "Brimlock", application "Vornix50" (on Windows HKCU\Software\Brimlock\Vornix50).
// Every value is stored as text: integers in decimal, booleans "0" or "1" (read
// also as "true" or "false", in any case: a file edited by hand). A value that is
// missing or not a number reads as its default. Every write is saved at once; a
// save that did not reach the disk is said once on standard error and play goes on.
#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

namespace vx {

// Every persisted value, with its default, in one table (settings.cpp).
enum class SettingKey {
  Skin,            // 1-based skin number, -1
  SoundMode,       // 0 DirectSound, 1 MultiMedia, 2 no sound, -1 none
  SplashScreen,    // boolean, true
  FullscreenMode,  // boolean, true
  CtrlrOverlay,    // boolean, true
  Key1,
  Key2,
  Key3,
  Key4,
  Key5,
  Key6,  // key indices, the actions' defaults (game/actions.h)
  // Additions of this simulator, none of them on where it could surprise a player.
  Zoom,           // windowed size in percent: 100, 150, 200 or 300; 100
  FullscreenFit,  // boolean: full screen scales the console to the screen's height; false
  PauseInactive,  // boolean: the game waits while the console window is inactive; false
  // boolean: the windowed console reopens where it was left; false
  RememberPosition,
  // where it was left, in screen pixels; kNoStoredPosition
  WindowLeft,
  WindowTop,
  Volume,  // the whole mix in percent, 0..100 in steps of 10; 100
  Muted,   // boolean: the mix is silent, the volume kept; false
  // the best score at skill levels 1 to 4; 0
  Best1,
  Best2,
  Best3,
  Best4,
  AskBeforeQuit,  // boolean: Esc or Exit asks first while a game runs; false
};
inline constexpr int kSettingCount = static_cast<int>(SettingKey::AskBeforeQuit) + 1;
inline constexpr int kNoStoredPosition = -2147483647 - 1;
// The stored best of a skill level (1..4).
inline SettingKey best_score_key(int skill) {
  return static_cast<SettingKey>(static_cast<int>(SettingKey::Best1) + skill - 1);
}

std::string_view setting_name(SettingKey key);
int setting_default(SettingKey key);

// A portable installation keeps the store in one INI file of its own (beside the
// data) instead of the user's store; set before the first SettingsStore opens.
// An empty path is the user's store again.
void use_settings_file(const std::filesystem::path& file);

class SettingsStore {
 public:
  SettingsStore();  // opens (and so creates) the store
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  int read_int(SettingKey key) const { return read_int(key, setting_default(key)); }
  int read_int(SettingKey key, int fallback) const;
  bool read_bool(SettingKey key) const { return read_bool(key, setting_default(key) != 0); }
  bool read_bool(SettingKey key, bool fallback) const;
  void write_int(SettingKey key, int value);
  void write_bool(SettingKey key, bool value) { write_int(key, value ? 1 : 0); }
  // Several values, saved together once (a save rewrites the whole store).
  void write_ints(std::span<const std::pair<SettingKey, int>> values);
  // Closes the store; later reads give defaults and writes are dropped.
  void close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx
