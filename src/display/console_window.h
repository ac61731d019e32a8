// The console window TForm1: paints the frames the console host reports (only
// the boxes that changed) and forwards keys, mouse presses, pads and menu
// commands to the host; one precise single-shot timer is armed for the next due
// tick. Windowed, it is borderless and shaped by the skin's colour key; full
// screen, it covers the screen and carries the in-window game menu. The window's
// own state (full screen, zoom, its place) lives here, not in the console.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "display/console_extras.h"
#include "display/console_frame.h"
#include "display/console_menu.h"
#include "display/pad_input.h"
#include "display/skin_view.h"
#include "host/console_host.h"
#include "platform/key_codes.h"
#include "skin/skin_list.h"
#include "sound/sound.h"

namespace vx {

class TForm1 : public QWidget {
 public:
  struct Options {
    std::filesystem::path data_folder;  // the program's folder (also the working directory)
    std::optional<std::uint32_t> seed;  // replaces the clock seed
  };
  // FormCreate: title, out of sight, Config.ini and the skin list, the settings
  // store, the menu, the keys, the controller overlays, the random seed.
  explicit TForm1(Options options);
  ~TForm1() override;

  ConsoleHost& host() { return host_; }
  ConsoleMenu& menu() { return *menu_; }
  ConsoleExtras& extras() { return *extras_; }
  SettingsStore& settings() { return *Settings; }
  const SkinList& skin_table() const { return SkinTable; }
  const std::filesystem::path& data_folder() const { return options_.data_folder; }
  const ConsoleWindowLook& look() const { return look_; }
  const ConsoleView& view() const { return view_; }
  const QImage& frame() const { return frame_.image(); }
  const ConsoleFrame& console_frame() const { return frame_; }
  Gamepads& gamepads() { return pads_->gamepads(); }
  void poll_gamepads() { pads_->poll(); }

  int SkinIndex = 0;
  bool FirstActivate = true;
  bool full_screen() const { return full_screen_; }
  // The launcher's Play: skin `skin_index`, sound on the output chosen by its
  // text; the console comes up placed, off. False when sound could not start
  // (it has said so and requested termination).
  bool start_play(int skin_index, std::string_view sound_output);
  // Runs the skin loader on this window and applies what it sets, taking over
  // what was read ahead (read_skin_ahead).
  void run_skin_loader(SkinAhead* ahead = nullptr);
  SkinLoadRequest skin_request() const;  // the chosen skin, as the window is now
  // Full screen: at 0, 0 in the window system's full-screen state. Windowed:
  // centred (or where it was left, when remembered), moved onto the available area.
  void centre();
  QSize screen_size() const { return screen_size_of(*this); }
  ScreenArea available_area() const { return available_area_of(*this); }

  // Windowed size in percent (stored as "Zoom"); the window shows the largest
  // level up to it that fits the screen's available area.
  void set_zoom(int percent);
  int zoom() const { return zoom_; }
  int zoom_shown() const { return zoom_shown_; }
  bool paused() const { return host_.paused(); }
  void pm_0_menuPopup();
  void pm_14_exitClick();
  void btn_game_menu_topClick() { menu_->set_game_menu_open(!menu_->game_menu_open()); }
  // The launcher's check box, the default of the stored SplashScreen.
  std::function<bool()> launcher_splash_checked;
  // Runs once, at the first activation of the window (the launcher comes forward).
  std::function<void()> on_first_activate;

  // Paints what a host call changed and arms the timer for the next tick.
  void show_report(const HostReport& report);
  // Replaces the real (wall) clock, in milliseconds; tests drive time themselves.
  void set_clock(std::function<std::int64_t()> now) { wall_ = std::move(now); }
  void run_due_ticks() { show_report(host_.clock_reached()); }
  std::optional<int> armed_tick_ms() const {
    return tick_.isActive() ? std::optional<int>(tick_.interval()) : std::nullopt;
  }
  // The game's time in microseconds on the real clock, for the timer trace.
  std::int64_t game_time_us() const;

  // Measurement hooks (--trace-input, --script): a key press reaches the window;
  // it has been handled (`repaints`: the window will repaint); a paint has ended.
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
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void prepare_sound();  // begins sound start-up early when the launcher will play at once
  void wire_menu();
  void move_out_of_sight();
  // The skin loader run onto the console, the window untouched (run_skin_loader's
  // first half; apply_look is the second).
  void load_skin(SkinAhead* ahead = nullptr);
  // The console painted into the frame, then the window given its size, shape
  // and a repaint.
  void apply_look();
  ConsoleFrame::Shape paint_look();
  void show_look(ConsoleFrame::Shape shape);
  void apply_shape(ConsoleFrame::Shape shape);
  void reload_in_place();
  void set_full_screen_state(bool on);
  void on_activation_changed();
  void store_place_now();

  Options options_;
  ConsoleHost host_;
  Sound sound_;
  std::unique_ptr<SettingsStore> Settings;
  SkinList SkinTable;
  ConsoleWindowLook look_;
  ConsoleMenu* menu_ = nullptr;
  ConsoleExtras* extras_ = nullptr;
  ConsoleFrame frame_;
  bool translucent_key_ = false;    // Wayland: key-coloured pixels are painted see-through
  bool compositor_places_ = false;  // Wayland: the compositor places the window
  bool state_watch_ = false;        // the window system's answers to a state change are watched
  KeyCodeTracker keys_;
  std::optional<ElementId> pressed_;  // the element a left press went to
  QPoint drag_point_;                 // the pointer on the screen minus the window's place, at the press
  std::uint64_t repaint_requests_ = 0;
  QTimer tick_;
  QElapsedTimer real_clock_;
  std::function<std::int64_t()> wall_;
  // The window's state: full screen or not, the zoom, its place.
  bool full_screen_ = false, fit_ = false, pause_inactive_ = false, remember_place_ = false;
  int zoom_ = 100, zoom_shown_ = 100;
  bool placed_ = false;  // the windowed console is on the screen where centre() put it
  ConsoleView view_;
  QSize window_size_;
  QTimer store_place_;
  PadInput* pads_ = nullptr;
};

}  // namespace vx
