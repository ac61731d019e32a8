// The console window TForm1: one widget that owns the console and paints its
// picture elements from a back buffer (repainting only the boxes that changed),
// forwards keys, mouse presses and menu commands to it, and drives its timers on
// the real clock with one precise single-shot timer armed for the next due tick.
// Windowed, it is borderless and shaped by the skin's colour key; full screen, it
// covers the screen and carries the in-window game menu.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "display/board_painter.h"
#include "display/console_view.h"
#include "display/gfxinit.h"
#include "display/skin_table.h"
#include "game/console_state.h"
#include "game/game_clock.h"
#include "platform/gamepad.h"
#include "platform/key_codes.h"
#include "platform/settings.h"
#include "sound/sound.h"

class QMenu;
class QAction;
class QPainter;

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

// Left = (screen - window) / 2, truncated toward zero, raised to 0 when negative.
constexpr int centred_position(int screen, int window) {
  const int p = (screen - window) / 2;
  return p < 0 ? 0 : p;
}

class TForm1 : public QWidget {
 public:
  struct Options {
    std::filesystem::path data_folder;  // the program's folder (also the working directory)
    std::optional<std::uint32_t> seed;  // replaces the clock seed
  };
  // FormCreate: title, out of sight, Config.ini and the skin list, the sprite
  // tables, the settings store, FullscreenMode, the keys, the game menu's item
  // table, the controller overlays, the input flags and the random seed.
  explicit TForm1(Options options);
  ~TForm1() override;

  Console& console() { return console_; }
  SettingsStore& settings() { return *Settings; }
  Sound& sound() { return sound_; }
  const SkinTable& skin_table() const { return SkinTable_; }
  const std::filesystem::path& data_folder() const { return options_.data_folder; }
  const ConsoleWindowLook& look() const { return look_; }

  int SkinIndex = 0;
  bool FirstActivate = true;

  // Runs the skin loader on this window and applies what it sets.
  void run_skin_loader();
  // Places the window after a skin load. Full screen: at 0, 0 and in the window
  // system's full-screen state. Windowed: centred on the screen (again, also when
  // it was centred before) or, when the place is remembered, where it was left;
  // then moved wholly onto the screen's available area where it fits.
  void centre();
  // The screen the console lives on.
  QSize screen_size() const;
  // The part of that screen windows may use (without panels), in screen pixels.
  ScreenArea available_area() const;

  QAction* entry(MenuEntry e) const { return entries_[static_cast<int>(e)]; }
  QMenu* pm_0_menu() const { return menu_; }
  // Hooks of the secondary forms (the about box, the manual viewer, the key
  // form): the entry is greyed until its hook is installed.
  void set_form_hook(MenuEntry e, std::function<void()> hook);
  // The launcher's check box, the default of the stored SplashScreen.
  std::function<bool()> launcher_splash_checked;
  // Runs once, at the first activation of the window (the launcher comes forward).
  std::function<void()> on_first_activate;

  // The simulator's own entries of the pop-up menu: the "Zoom" sub-menu, "Fit
  // console to screen", the pause while inactive (console_window_extras.cpp) and
  // "Remember window position" (console_window_place.cpp).
  QAction* zoom_entry(int percent) const;
  QAction* zoom_in_entry() const { return zoom_in_; }
  QAction* zoom_out_entry() const { return zoom_out_; }
  QAction* fit_entry() const { return fit_; }
  QAction* pause_entry() const { return pause_; }
  QAction* remember_entry() const { return remember_; }
  // Windowed size in percent (stored as "Zoom"); in full screen it waits for
  // the return to the window. The window shows the largest level up to the
  // chosen one that fits the screen's available area (the Zoom sub-menu checks
  // that level), keeping its centre where it can.
  void set_zoom(int percent);
  int zoom() const { return Zoom; }
  int zoom_shown() const { return zoom_shown_; }
  void pm_fitClick();
  void pm_pauseClick();
  void pm_rememberClick();
  // How the console's pixels map onto the window.
  const ConsoleView& view() const { return view_; }
  // Whether the game's clock stands still (the window is inactive and the pause
  // is on).
  bool paused() const { return game_clock_.paused(); }
  // The pads; tests feed them through SDL's virtual joysticks.
  Gamepads& gamepads() { return *pads_; }
  // Reads the pads now and hands what they did to the console.
  void poll_gamepads();

  // The entries' actions; an entry's trigger has already inverted its own check mark.
  void pm_0_menuPopup();
  void pm_2_readmeClick();
  void pm_3_whatsnewClick();
  void pm_6_configClick();
  void pm_10_fullscreenClick();
  void pm_11_splashscreenClick();
  void pm_12_controllerClick();
  void pm_14_exitClick();
  void btn_game_menu_topClick();
  void Vid_Display_Game_Menu();
  // The rows of the open game menu (none while it is closed or being removed).
  std::vector<GameMenuRow*> game_menu_rows() const;

  // FormClose: sound shutdown, then the settings store is closed.
  void FormClose();

  // Paints what changed on the board, then arms the timer for the next tick. Every
  // path that lets the console run ends here.
  void sync();
  // The back buffer: the window as drawn.
  const QImage& frame() const { return frame_; }
  // Replaces the real (wall) clock, in milliseconds; tests drive time themselves.
  // The game runs on it, less the time spent paused.
  void set_clock(std::function<std::int64_t()> now);
  // Runs every timer tick that is due by the clock, then syncs.
  void run_due_ticks();
  // How long the armed single-shot timer waits for the next tick; none when no
  // console timer runs.
  std::optional<int> armed_tick_ms() const {
    return tick_.isActive() ? std::optional<int>(tick_.interval()) : std::nullopt;
  }
  // The game's time in microseconds on the real clock (what the timers' due times
  // count in milliseconds), for the timer trace.
  std::int64_t game_time_us() const;

  // Measurement hooks (--trace-input, --script), each called when set: a key press
  // reaches the window; it has been handled (`repaints`: the window will repaint
  // because of it); a paint of the window has ended.
  std::function<void()> on_key_arrival;
  std::function<void(bool repaints)> on_key_handled;
  std::function<void()> on_paint_end;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void read_config();
  void build_menu();
  void move_out_of_sight();
  void apply_look();
  void repaint_all();
  void update_shape(const QRegion& changed);
  bool run_shortcut(const QKeyEvent& event);
  void close_game_menu_rows();
  // The simulator's additions (console_window_extras.cpp).
  // The additions' menu entries; the pads are read from here on.
  void create_extras();
  void read_extra_settings();
  bool run_extra_shortcut(const QKeyEvent& event);
  // Runs the skin loader; in full screen fitted, on a canvas the console fills
  // the height of.
  void load_skin_fitted(SkinLoadRequest& request);
  void on_activation_changed();
  // The zoom level the windowed console shows: the chosen one, or less where it does not fit.
  int fitting_zoom() const;
  // Enters or leaves the window system's full-screen state (a window manager's or
  // a Wayland compositor's; without either the window's size and place do it).
  void set_full_screen_state(bool on);
  // Remembering the window's place: it is stored shortly after the window stops moving.
  void create_place_entry();
  void store_place_now();
  void show_game_menu_row(GameMenuRow& row) const;
  void paint_scaled(QPainter& p, const QRegion& region);

  Options options_;
  Console console_;
  Sound sound_;
  std::unique_ptr<SettingsStore> Settings;
  struct SkinTable SkinTable_;
  ConsoleWindowLook look_;

  QMenu* menu_ = nullptr;
  std::array<QAction*, kMenuEntryCount> entries_{};
  std::array<std::function<void()>, kMenuEntryCount> form_hooks_{};
  std::vector<GameMenuRow*> game_menu_rows_;

  BoardPainter painter_;
  QImage frame_;
  QImage shape_;  // the key-colour mask the window's shape was last made from
  std::array<QRect, kElementCount> painted_box_{};
  bool translucent_key_ = false;  // Wayland: key-coloured pixels are painted see-through
  bool compositor_places_ = false;  // Wayland: the compositor places the window
  bool state_watch_ = false;        // the window system's answers to a state change are watched

  KeyCodeTracker keys_;
  std::optional<ElementId> pressed_;  // the element a left press went to
  QPoint drag_point_;  // the pointer on the screen minus the window's place, at the press

  std::uint64_t repaint_requests_ = 0;  // how often sync() has asked for a repaint

  QTimer tick_;
  QElapsedTimer real_clock_;
  std::function<std::int64_t()> wall_;  // the wall clock
  std::function<std::int64_t()> now_;   // the game's clock: the wall clock less the pauses
  GameClock game_clock_;

  // The simulator's additions.
  int Zoom = 100;
  int zoom_shown_ = 100;  // the level in effect: Zoom, or the largest that fits
  bool FullscreenFit = false, PauseInactive = false, RememberPosition = false;
  bool placed_ = false;  // the windowed console is on the screen where centre() put it
  ConsoleView view_;
  QSize window_size_;  // the window as the view shows the canvas
  std::array<QAction*, kZoomLevels.size()> zoom_entries_{};
  QAction *zoom_in_ = nullptr, *zoom_out_ = nullptr, *fit_ = nullptr, *pause_ = nullptr, *remember_ = nullptr;
  QTimer store_place_;
  std::unique_ptr<Gamepads> pads_;
  QTimer pad_timer_;
};

}  // namespace vx
