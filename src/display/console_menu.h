// The console window's menu as one object: the pop-up menu pm_0_menu with its
// thirteen entries, the simulator's own entries (the Zoom sub-menu, "Fit console
// to screen", the pause while inactive, "Remember window position", "Pause", the
// Volume sub-menu, "Save screenshot", "High scores", the quit question), their
// shortcuts, and the full-screen console's in-window game menu, whose rows repeat
// the thirteen entries. A checkable entry is bound in one call to its stored value
// and to what it does; the window gives every other entry its action.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "display/window_placement.h"
#include "platform/settings.h"

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace vx {

class GameMenuRow;

// The pop-up menu's entries in their order; the game menu repeats all thirteen.
enum class MenuEntry {
  pm_1_about,
  pm_2_readme,
  pm_3_whatsnew,
  pm_4_manual,
  pm_5_n1,
  pm_6_config,
  pm_7_keys,
  pm_9_n2,
  pm_10_fullscreen,
  pm_11_splashscreen,
  pm_12_controller,
  pm_13_n3,
  pm_14_exit,
};
inline constexpr int kMenuEntryCount = 13;

class ConsoleMenu : public QObject {
 public:
  ConsoleMenu(QWidget& window, SettingsStore& settings);

  QMenu* pm_0_menu() const { return menu_; }
  QAction* entry(MenuEntry e) const { return entries_[static_cast<std::size_t>(e)]; }
  QAction* zoom_entry(int percent) const;
  QAction* zoom_in_entry() const { return zoom_in_; }
  QAction* zoom_out_entry() const { return zoom_out_; }
  QAction* fit_entry() const { return fit_; }
  QAction* pause_entry() const { return pause_; }
  QAction* remember_entry() const { return remember_; }
  // The player's pause (Pause, F5), the volume levels and steps (F6 down, F7 up),
  // mute (F8), the screenshot (F9), the high scores and the quit question.
  QAction* pause_game_entry() const { return pause_game_; }
  QAction* volume_entry(int percent) const;
  QAction* volume_down_entry() const { return volume_down_; }
  QAction* volume_up_entry() const { return volume_up_; }
  QAction* mute_entry() const { return mute_; }
  QAction* screenshot_entry() const { return screenshot_; }
  QAction* high_scores_entry() const { return high_scores_; }
  QAction* ask_quit_entry() const { return ask_quit_; }
  // Checks the volume level in effect.
  void show_volume(int percent);

  // A checkable entry of the simulator's own, named `name`, before `before`
  // (bind it to its stored value with bind()).
  QAction* add_checkable(const char* name, const char* caption, QAction* before);
  // What an entry does when chosen (the bound entries below need none).
  void on_click(MenuEntry e, std::function<void()> click);
  // Binds a checkable entry to its stored value: checked as stored now, and when
  // chosen (its check mark already inverted) the value is written, then `apply`
  // runs with the new state.
  void bind(QAction* entry, SettingKey key, std::function<void(bool)> apply);
  // The zoom entries' action: a level in percent, or a step of +1 / -1 from the shown one.
  std::function<void(int percent)> zoom_to;
  std::function<void(int step)> zoom_step;
  // Checks the zoom level the window shows.
  void show_zoom(int percent);
  // Hooks of the secondary forms (the about box, the manual viewer, the key
  // form): the entry is greyed until its hook is installed.
  void set_form_hook(MenuEntry e, std::function<void()> hook);
  // Runs the entry whose shortcut the key is; false when none has it. A key the
  // player gave to one of the six controls (`assigned`) stays with the game for
  // the simulator's own shortcuts.
  bool run_shortcut(const QKeyEvent& event, const std::function<bool(int key_code)>& assigned);

  // The in-window game menu (full screen): open or closed, its rows while open.
  bool game_menu_open() const { return game_menu_open_; }
  void set_game_menu_open(bool open);
  std::vector<GameMenuRow*> game_menu_rows() const { return rows_; }
  // The panel behind the rows grows or shrinks with the menu (the window sets the box).
  std::function<void(bool open)> set_game_menu_panel;
  // Where a row goes on the window (the zoomed or fitted view).
  std::function<void(GameMenuRow& row)> place_row;
  // A row was released (la_menu_itemMouseUp): the menu has closed.
  std::function<void()> on_row_released;

 private:
  void create_extras();

  QWidget& window_;
  SettingsStore& settings_;
  QMenu* menu_ = nullptr;
  std::array<QAction*, kMenuEntryCount> entries_{};
  std::array<std::function<void()>, kMenuEntryCount> clicks_{}, form_hooks_{};
  std::array<QAction*, kZoomLevels.size()> zoom_entries_{};
  QAction *zoom_in_ = nullptr, *zoom_out_ = nullptr, *fit_ = nullptr, *pause_ = nullptr, *remember_ = nullptr;
  QAction *pause_game_ = nullptr, *volume_down_ = nullptr, *volume_up_ = nullptr, *mute_ = nullptr,
          *screenshot_ = nullptr, *high_scores_ = nullptr, *ask_quit_ = nullptr;
  std::array<QAction*, 11> volume_entries_{};  // 0, 10, .. 100 %
  std::vector<QAction*> function_keys_;        // entries on keys no game control can have
  bool game_menu_open_ = false;
  std::vector<GameMenuRow*> rows_;
};

}  // namespace vx
