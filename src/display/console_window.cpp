// TForm1: creation, the menu's commands, the skin's look on the window, its
// place, painting and the clock.
#include "display/console_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "display/form_design.h"
#include "display/game_menu.h"
#include "display/game_menu_layout.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/picture_file.h"
#include "platform/shell.h"
#include "platform/startup_trace.h"
#include "platform/termination.h"

namespace vx {
namespace {

// A drag moves the window many times a second; its place is stored once it rests.
constexpr int kStorePlaceAfterMs = 400;

}  // namespace

TForm1::TForm1(Options options) : options_(std::move(options)), sound_(options_.data_folder / "Sound"), frame_(false) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  compositor_places_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  translucent_key_ = compositor_places_;
  frame_ = ConsoleFrame(translucent_key_);
  if (translucent_key_) setAttribute(Qt::WA_TranslucentBackground);

  tick_.setSingleShot(true);
  tick_.setTimerType(Qt::PreciseTimer);
  connect(&tick_, &QTimer::timeout, this, [this] { run_due_ticks(); });
  real_clock_.start();
  wall_ = [this] { return real_clock_.elapsed(); };
  host_.set_wall_clock([this] { return wall_(); });
  host_.set_sound(&sound_);
  store_place_.setSingleShot(true);
  store_place_.setInterval(kStorePlaceAfterMs);
  connect(&store_place_, &QTimer::timeout, this, [this] { store_place_now(); });
  pads_ = new PadInput(
      this, [this] { return wall_(); },
      [this](const std::vector<PadEvent>& events) {
        for (const PadEvent& e : events) show_report(host_.action(e.action, e.down));
        if (events.empty()) show_report(host_.report());
      });
  Settings = std::make_unique<SettingsStore>();
  startup_phase("settings");
  menu_ = new ConsoleMenu(*this, *Settings);
  extras_ = new ConsoleExtras(*this, *menu_, *Settings, host_, sound_);
  extras_->show = [this](const HostReport& r) { show_report(r); };
  wire_menu();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::wire_menu() {
  ConsoleMenu& m = *menu_;
  // Each command runs what fell due first and shows what it changed.
  auto command = [this](void (*run)(TForm1&)) {
    return [this, run] {
      show_report(host_.clock_reached());
      run(*this);
      show_report(host_.report());
    };
  };
  m.on_click(MenuEntry::pm_2_readme, command([](TForm1&) { shell_open("Readme.txt"); }));
  m.on_click(MenuEntry::pm_3_whatsnew, command([](TForm1&) { shell_open("Whatsnew.txt"); }));
  m.on_click(MenuEntry::pm_6_config, command([](TForm1&) { shell_open("Config.ini"); }));
  m.on_click(MenuEntry::pm_14_exit, [this] { pm_14_exitClick(); });
  m.bind(m.entry(MenuEntry::pm_10_fullscreen), SettingKey::FullscreenMode, [this](bool on) {
    full_screen_ = on;
    if (menu_->game_menu_open()) menu_->set_game_menu_open(false);
    move_out_of_sight();
    run_skin_loader();
    centre();
    show_report(host_.report());
  });
  m.bind(m.entry(MenuEntry::pm_11_splashscreen), SettingKey::SplashScreen, {});
  m.bind(m.entry(MenuEntry::pm_12_controller), SettingKey::CtrlrOverlay,
         [this](bool on) { show_report(host_.set_controller_overlays(on)); });
  m.bind(m.fit_entry(), SettingKey::FullscreenFit, [this](bool on) {
    fit_ = on;
    if (full_screen_) reload_in_place();
  });
  m.bind(m.pause_entry(), SettingKey::PauseInactive, [this](bool on) {
    pause_inactive_ = on;
    on_activation_changed();
  });
  m.bind(m.remember_entry(), SettingKey::RememberPosition, [this](bool on) {
    remember_place_ = on;
    if (on) store_place_now();
  });
  m.zoom_to = [this](int percent) { set_zoom(percent); };
  m.zoom_step = [this](int step) { set_zoom(step_zoom(zoom_shown_, step)); };
  m.set_game_menu_panel = [this](bool open) {
    show_report(host_.act([open](Console& k) {
      const Sprite& bg = k.board[btn_game_menu_background];
      k.board.set_box(btn_game_menu_background, bg.left, bg.top, open ? kGameMenuOpenWidth : kGameMenuButtonWidth,
                      open ? kGameMenuOpenHeight : kGameMenuButtonHeight);
    }));
  };
  m.place_row = [this](GameMenuRow& row) { place_on_view(row, view_); };
  connect(m.pm_0_menu(), &QMenu::aboutToShow, this, [this] { pm_0_menuPopup(); });
}

void TForm1::FormCreate() {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Vornix (Orvane) Simulator"));
  setWindowTitle(QStringLiteral("Vornix (Orvane) Simulator"));
  move_out_of_sight();
  // A window manager brings a window shown off the screen onto it: until the first
  // skin load gives the window its look, its shape (one pixel beside it) hides it.
  setMask(QRegion(-1, -1, 1, 1));
  IniFile config;
  if (std::string fault; !config.load(resolve_path("Config.ini", options_.data_folder), fault)) {
    show_error_box("Configuration file (Config.ini) " + fault + ". Please reinstall the game.");
    request_termination(Ending::Fault);
  } else {
    SkinTable = read_skin_list(config);
  }
  startup_phase("config");
  prepare_sound();  // the sound thread works while the rest of start-up goes on

  Console& k = host_.console();
  for (ElementId id = 0; id < kElementCount; ++id) k.board.show(id, visible_at_creation(id));
  k.FormCreate();  // sprite tables and constants, input flags, the clock seed
  if (options_.seed) k.random.seed(*options_.seed);
  // The form's own elements: the game-menu button over its background picture.
  const std::string menu_picture = form_picture("TForm1", "btn_game_menu_background");
  k.board.set_picture(btn_game_menu_background,
                      load_picture_or_placeholder(resolve_path(menu_picture, options_.data_folder), menu_picture));
  k.board.set_box(btn_game_menu_background, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);
  k.board.set_box(btn_game_menu_top, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);

  zoom_ = zoom_shown_ = valid_zoom(Settings->read_int(SettingKey::Zoom));
  menu_->show_zoom(zoom_);
  full_screen_ = menu_->entry(MenuEntry::pm_10_fullscreen)->isChecked();
  fit_ = menu_->fit_entry()->isChecked();
  pause_inactive_ = menu_->pause_entry()->isChecked();
  remember_place_ = menu_->remember_entry()->isChecked();

  std::array<int, kActionCount + 1> keys{};
  std::array<std::pair<SettingKey, int>, kActionCount> read_back;
  for (int n = 1; n <= kActionCount; ++n) {
    const auto key = static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + n - 1);
    read_back[n - 1] = {key, keys[n] = Settings->read_int(key)};
  }
  Settings->write_ints(read_back);  // written straight back, all six in one save
  k.assign_keys(keys);              // derives the key codes and sets the button hints
  k.CtrlrOverlay = menu_->entry(MenuEntry::pm_12_controller)->isChecked();
  k.Vid_Display_Ctrl_Overlay();
  show_report(host_.report());  // creation runs no tick: the clock starts with the first event
  startup_phase("console");
}

void TForm1::prepare_sound() {
  // When the launcher will play at once with the stored choices, the sound device
  // opens and the samples load while the other forms are made; Play waits for them.
  const int mode = Settings->read_int(SettingKey::SoundMode), skin = Settings->read_int(SettingKey::Skin);
  if (termination_requested() || Settings->read_bool(SettingKey::SplashScreen) || mode < 0 ||
      mode >= static_cast<int>(kSoundOutputs.size()) || skin < 1 || skin > SkinTable.SkinCount)
    return;
  sound_.prepare(kSoundOutputs[mode].output_type);
}

bool TForm1::start_play(int skin_index, std::string_view sound_output) {
  startup_phase("launcher");
  if (skin_index >= 1) {
    SkinIndex = skin_index;
    Settings->write_int(SettingKey::Skin, SkinIndex);
  }
  // The skin's description and pictures are read while sound starts (on the
  // sound thread, the device and the samples may still be on their way). The
  // sound thread has the second core then: a thread decoding beside this one
  // would only take turns with it, and this one would wait for the pictures
  // that thread holds.
  SkinLoadRequest request = skin_request();
  if (sound_.preparing()) request.decode_threads = 0;
  SkinAhead ahead = read_skin_ahead(request);
  if (sound_.preparing() && ahead.description) {
    // Meanwhile the skin loads onto the console and is painted into the frame,
    // its lines held: the window takes the look, and the lines are said, once
    // sound has started. A failed start ends Play with nothing of the skin shown
    // or said, as if it had not been loaded.
    std::string held;
    hold_lines(&held);
    load_skin(&ahead);
    const ConsoleFrame::Shape shape = paint_look();
    hold_lines(nullptr);
    startup_phase("skin");
    if (!sound_.start(sound_output, *Settings)) return false;
    startup_phase("sound");
    say_line(held);
    show_look(shape);
  } else {
    if (!sound_.start(sound_output, *Settings)) return false;
    startup_phase("sound");
    run_skin_loader(&ahead);
    startup_phase("skin");
  }
  centre();
  show_report(host_.start_play());
  return true;
}

void TForm1::move_out_of_sight() {
  placed_ = false;
  // A window leaves the window system's full-screen state before it moves or
  // shrinks (Qt forgets the state at a move without telling the window system).
  set_full_screen_state(false);
  const QSize s = screen_size();
  move(x(), -s.height());
  move(-s.width(), y());
}

SkinLoadRequest TForm1::skin_request() const {
  const QSize screen = screen_size();
  return {SkinTable.at(SkinIndex), full_screen_, screen.width(), screen.height(), options_.data_folder};
}

void TForm1::run_skin_loader(SkinAhead* ahead) {
  load_skin(ahead);
  apply_look();
}

void TForm1::load_skin(SkinAhead* ahead) {
  SkinLoadRequest request = skin_request();
  request.ahead = ahead;
  const SkinView shown = load_skin_view(request, host_.console().board, look_, zoom_, fit_, available_area());
  view_ = shown.view;
  window_size_ = shown.window;
  if (shown.zoom_shown) menu_->show_zoom(zoom_shown_ = shown.zoom_shown);
}

void TForm1::apply_look() { show_look(paint_look()); }

ConsoleFrame::Shape TForm1::paint_look() {
  frame_.prune();
  host_.report();  // the whole board is drawn anew
  return frame_.repaint_all(host_.console().board, look_);
}

void TForm1::show_look(ConsoleFrame::Shape shape) {
  if (!window_size_.isEmpty()) setFixedSize(window_size_);
  apply_shape(shape);
  update();
  ++repaint_requests_;
}

void TForm1::reload_in_place() {
  if (menu_->game_menu_open()) menu_->set_game_menu_open(false);
  run_skin_loader();
  centre();
  show_report(host_.report());
}

void TForm1::apply_shape(ConsoleFrame::Shape shape) {
  if (shape == ConsoleFrame::Shape::Cut) setMask(view_.window_mask(frame_.shape(), size()));
  if (shape == ConsoleFrame::Shape::Whole) clearMask();
}

void TForm1::centre() {
  const QSize s = screen_size();
  WindowPoint at{centred_position(s.width(), width()), centred_position(s.height(), height())};
  if (full_screen_) {
    move(at.x, at.y);  // 0, 0: with no window manager, this and the size are the full screen
    set_full_screen_state(true);
    return;
  }
  if (remember_place_) {
    const int left = Settings->read_int(SettingKey::WindowLeft), top = Settings->read_int(SettingKey::WindowTop);
    if (left != kNoStoredPosition && top != kNoStoredPosition) at = {left, top};
  }
  at = keep_inside(at, {width(), height()}, available_area());
  move(at.x, at.y);
  placed_ = true;
}

void TForm1::set_zoom(int percent) {
  zoom_ = valid_zoom(percent);
  Settings->write_int(SettingKey::Zoom, zoom_);
  menu_->show_zoom(zoom_shown_ = zoom_that_fits(zoom_, {look_.game_width, look_.game_height}, available_area()));
  if (full_screen_ || look_.client_width <= 0) return;  // for the windowed console, when it returns
  // The console grows or shrinks about its centre, then moves wholly onto the screen where it fits.
  const WindowPoint centre{x() + width() / 2, y() + height() / 2};
  const SkinView shown = windowed_view(look_, zoom_shown_);
  view_ = shown.view;
  window_size_ = shown.window;
  apply_look();
  const WindowSize size{width(), height()};
  const WindowPoint at = keep_inside(around_centre(centre, size), size, available_area());
  move(at.x, at.y);
}

void TForm1::set_full_screen_state(bool on) {
  const Qt::WindowStates now = windowState();
  setWindowState(on ? now | Qt::WindowFullScreen : now & ~Qt::WindowFullScreen);
  // A Wayland compositor applies a new state with the first frame the window draws
  // after answering, which may come after the window has drawn at its new size:
  // each answer gets a frame of its own.
  if (compositor_places_ && windowHandle() && !state_watch_) {
    state_watch_ = true;
    windowHandle()->installEventFilter(this);
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::WindowStateChange && event->spontaneous()) update();
  return QWidget::eventFilter(watched, event);
}

std::int64_t TForm1::game_time_us() const {
  const std::int64_t real_us = real_clock_.nsecsElapsed() / 1000;
  return host_.game_time() * 1000 + (real_us - real_us / 1000 * 1000);
}

void TForm1::show_report(const HostReport& report) {
  QRegion region;
  const ConsoleFrame::Shape shape = frame_.repaint(host_.console().board, report.changed, look_, region);
  if (!region.isEmpty()) {
    apply_shape(shape);
    update(view_.to_window(region, devicePixelRatioF()));
    ++repaint_requests_;
  }
  if (report.next_tick)
    tick_.start(static_cast<int>(std::min<std::int64_t>(*report.next_tick, 24 * 3600 * 1000)));
  else
    tick_.stop();  // no timer runs, or the game waits
  if (extras_) extras_->after_report(report);
}

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  frame_.paint(p, event->region(), view_, devicePixelRatioF(), look_);
  extras_->paint(p, view_);
  p.end();
  if (on_paint_end) on_paint_end();
}

void TForm1::pm_0_menuPopup() {
  const bool launcher_default = launcher_splash_checked ? launcher_splash_checked() : true;
  menu_->entry(MenuEntry::pm_11_splashscreen)
      ->setChecked(Settings->read_bool(SettingKey::SplashScreen, launcher_default));
  menu_->entry(MenuEntry::pm_12_controller)->setChecked(host_.console().CtrlrOverlay);
  if (full_screen_ && menu_->game_menu_open()) menu_->set_game_menu_open(false);
  show_report(host_.report());
}

void TForm1::pm_14_exitClick() {
  if (!extras_->may_quit()) return;
  if (store_place_.isActive()) store_place_now();  // the window's last move, when its place is remembered
  request_termination();
}

void TForm1::on_activation_changed() {
  const bool active = isActiveWindow();
  show_report(host_.set_paused(pause_inactive_ && !active));
  pads_->set_active(active);
}

void TForm1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (remember_place_ && placed_ && !full_screen_) store_place_.start();
}

void TForm1::store_place_now() {
  store_place_.stop();
  // A Wayland window does not know its place on the screen.
  if (!remember_place_ || !placed_ || full_screen_ || !isVisible() || compositor_places_) return;
  Settings->write_int(SettingKey::WindowLeft, x());
  Settings->write_int(SettingKey::WindowTop, y());
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (store_place_.isActive()) store_place_now();  // FormClose: the last place, sound, then the store
  sound_.shutdown();
  Settings->close();
  QWidget::closeEvent(event);
  request_termination();
}

}  // namespace vx
