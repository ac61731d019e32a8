// TForm1: creation, the skin's look on the window, painting and the clock.
#include "display/console_window.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cstdio>

#include "display/form_design.h"
#include "display/game_menu.h"
#include "display/game_menu_layout.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/picture_file.h"
#include "platform/termination.h"

namespace vx {
namespace {

// A shape of more pieces than this would cost the window system far more than the
// console itself (a key-coloured checkerboard makes millions of rectangles): the
// window is then kept whole instead.
constexpr int kMaxShapeRuns = 65536;

// The runs of cut-away pixels (bit 1) of a shape, row by row.
int cut_runs(const QImage& shape) {
  int runs = 0;
  for (int y = 0; y < shape.height(); ++y) {
    const uchar* bits = shape.constScanLine(y);
    bool cut = false;
    for (int x = 0; x < shape.width(); ++x) {
      const bool now = bits[x >> 3] >> (x & 7) & 1;
      runs += now && !cut;
      cut = now;
    }
  }
  return runs;
}

}  // namespace

TForm1::TForm1(Options options) : options_(std::move(options)), sound_(options_.data_folder / "Sound") {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  compositor_places_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  translucent_key_ = compositor_places_;
  if (translucent_key_) setAttribute(Qt::WA_TranslucentBackground);

  tick_.setSingleShot(true);
  tick_.setTimerType(Qt::PreciseTimer);
  connect(&tick_, &QTimer::timeout, this, [this] { run_due_ticks(); });
  real_clock_.start();
  wall_ = [this] { return real_clock_.elapsed(); };
  now_ = [this] { return game_clock_.now(wall_()); };
  pads_ = std::make_unique<Gamepads>();

  console_.sound = &sound_;
  build_menu();
  FormCreate();
}

TForm1::~TForm1() = default;

QSize TForm1::screen_size() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(1024, 768);
}

ScreenArea TForm1::available_area() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect a = s ? s->availableGeometry() : QRect(QPoint(0, 0), screen_size());
  return {a.x(), a.y(), a.width(), a.height()};
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

void TForm1::read_config() {
  IniFile config;
  std::string fault;
  if (!config.load(resolve_path("Config.ini", options_.data_folder), fault)) {
    show_error_box("Configuration file (Config.ini) " + fault + ". Please reinstall the game.");
    request_termination(Ending::Fault);
    return;
  }
  SkinTable_ = read_skin_table(config);
}

void TForm1::FormCreate() {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Vornix (Orvane) Simulator"));
  setWindowTitle(QStringLiteral("Vornix (Orvane) Simulator"));
  move_out_of_sight();
  // A window manager brings a window shown off the screen onto it: until the first
  // skin load gives the window its look, its shape (one pixel beside it) hides it.
  setMask(QRegion(-1, -1, 1, 1));
  read_config();

  for (ElementId id = 0; id < kElementCount; ++id) console_.board.show(id, visible_at_creation(id));
  console_.FormCreate();  // sprite tables and constants, input flags, the clock seed
  if (options_.seed) console_.random.seed(*options_.seed);
  // The form's own elements: the game-menu button over its background picture.
  const std::string menu_picture = form_picture("TForm1", "btn_game_menu_background");
  console_.board.set_picture(btn_game_menu_background,
                             load_picture_or_placeholder(resolve_path(menu_picture, options_.data_folder), menu_picture));
  console_.board.set_box(btn_game_menu_background, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);
  console_.board.set_box(btn_game_menu_top, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);

  Settings = std::make_unique<SettingsStore>();
  read_extra_settings();

  console_.FullscreenMode = Settings->read_bool(SettingKey::FullscreenMode);
  entry(MenuEntry::pm_10_fullscreen)->setChecked(console_.FullscreenMode);
  console_.GameMenuOpen = false;

  std::array<int, 7> keys{};
  std::array<std::pair<SettingKey, int>, 6> read_back;
  for (int n = 1; n <= 6; ++n) {
    const auto key = static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + n - 1);
    keys[n] = Settings->read_int(key);
    read_back[n - 1] = {key, keys[n]};
  }
  Settings->write_ints(read_back);  // written straight back, all six in one save
  console_.assign_keys(keys);  // derives the key codes and sets the button hints

  // The game menu's item table is entries_, filled by build_menu in menu order.

  entry(MenuEntry::pm_12_controller)->setChecked(Settings->read_bool(SettingKey::CtrlrOverlay));
  console_.CtrlrOverlay = entry(MenuEntry::pm_12_controller)->isChecked();
  console_.Vid_Display_Ctrl_Overlay();

  // Double buffering is the back buffer frame_; FormCreate above cleared the
  // input flags and seeded the generator.
  sync();
}

void TForm1::run_skin_loader() {
  SkinLoadRequest request;
  request.skin = SkinTable_.at(SkinIndex);
  request.FullscreenMode = console_.FullscreenMode;
  request.screen_width = screen_size().width();
  request.screen_height = screen_size().height();
  request.data_folder = options_.data_folder;
  load_skin_fitted(request);
  apply_look();
}

void TForm1::apply_look() {
  if (!window_size_.isEmpty()) setFixedSize(window_size_);
  painter_.prune();
  repaint_all();
}

void TForm1::centre() {
  const QSize s = screen_size();
  WindowPoint at{centred_position(s.width(), width()), centred_position(s.height(), height())};
  if (console_.FullscreenMode) {
    move(at.x, at.y);  // 0, 0: with no window manager, this and the size are the full screen
    set_full_screen_state(true);
    return;
  }
  if (RememberPosition) {
    const int left = Settings->read_int(SettingKey::WindowLeft), top = Settings->read_int(SettingKey::WindowTop);
    if (left != kNoStoredPosition && top != kNoStoredPosition) at = {left, top};
  }
  at = keep_inside(at, {width(), height()}, available_area());
  move(at.x, at.y);
  placed_ = true;
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

void TForm1::set_clock(std::function<std::int64_t()> now) { wall_ = std::move(now); }

std::int64_t TForm1::game_time_us() const {
  const std::int64_t real_us = real_clock_.nsecsElapsed() / 1000;
  const std::int64_t wall_ms = real_us / 1000;
  return game_clock_.now(wall_ms) * 1000 + (real_us - wall_ms * 1000);
}

void TForm1::run_due_ticks() {
  console_.timers.dispatch(now_());
  sync();
}

void TForm1::sync() {
  const auto changed = console_.board.take_changed();
  if (changed.any() && !frame_.isNull()) {
    QRegion region;
    const QRect client(QPoint(0, 0), frame_.size());
    for (ElementId id = 0; id < kElementCount; ++id) {
      if (!changed.test(id)) continue;
      const Sprite& s = console_.board[id];
      const QRect now(s.left, s.top, s.width, s.height);
      region += painted_box_[id].intersected(client);
      region += now.intersected(client);
      painted_box_[id] = now;
    }
    if (!region.isEmpty()) {
      painter_.paint(frame_, region, console_.board, QColor::fromRgb(colour_to_rgb(look_.colour)),
                     look_.backdrop_stretch);
      update_shape(region);
      update(view_.to_window(region, devicePixelRatioF()));
      ++repaint_requests_;
    }
  }
  if (game_clock_.paused()) {
    tick_.stop();  // nothing falls due while the game waits
  } else if (const auto due = console_.timers.next_due()) {
    const std::int64_t wait = *due - now_();
    tick_.start(static_cast<int>(std::clamp<std::int64_t>(wait, 0, 24 * 3600 * 1000)));
  } else {
    tick_.stop();
  }
}

void TForm1::repaint_all() {
  console_.board.take_changed();
  const QSize size(std::max(1, look_.client_width), std::max(1, look_.client_height));
  frame_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  for (ElementId id = 0; id < kElementCount; ++id) {
    const Sprite& s = console_.board[id];
    painted_box_[id] = QRect(s.left, s.top, s.width, s.height);
  }
  const QRegion all(QRect(QPoint(0, 0), size));
  painter_.paint(frame_, all, console_.board, QColor::fromRgb(colour_to_rgb(look_.colour)), look_.backdrop_stretch);
  // The shape is made anew; without the colour key (full screen) there is none.
  shape_ = QImage();
  if (!look_.colour_key) clearMask();
  update_shape(all);
  update();
  ++repaint_requests_;
}

void TForm1::update_shape(const QRegion& changed) {
  if (!look_.colour_key) return;  // repaint_all() cleared the shape
  bool reshape = false;
  if (shape_.size() != frame_.size()) {
    // Bit 0 (black) keeps a pixel, bit 1 (white) cuts it away.
    shape_ = QImage(frame_.size(), QImage::Format_MonoLSB);
    shape_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    shape_.fill(0);
    reshape = true;
  }
  const QRgb key = colour_to_rgb(look_.colour) | 0xFF000000u;
  for (const QRect& r : changed)
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(frame_.scanLine(y));
      uchar* bits = shape_.scanLine(y);
      for (int x = r.left(); x <= r.right(); ++x) {
        const bool see_through = row[x] == key;
        // Wayland shapes only the input region: the key colour is painted see-through.
        if (see_through && translucent_key_) row[x] = 0;
        const bool was = bits[x >> 3] >> (x & 7) & 1;
        if (was == see_through) continue;
        bits[x >> 3] ^= static_cast<uchar>(1u << (x & 7));
        reshape = true;
      }
    }
  if (!reshape) return;
  if (cut_runs(shape_) <= kMaxShapeRuns) {
    setMask(view_.window_mask(shape_, size()));
    return;
  }
  static bool said = false;
  if (!said)
    std::fprintf(stderr, "the window's shape has more than %d pieces; the window is shown whole\n", kMaxShapeRuns);
  said = true;
  clearMask();
}

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (translucent_key_) p.setCompositionMode(QPainter::CompositionMode_Source);
  if (view_.identity()) {
    for (const QRect& r : event->region()) p.drawImage(r, frame_, r);
  } else {
    paint_scaled(p, event->region());  // zoomed or fitted
  }
  p.end();
  if (on_paint_end) on_paint_end();
}

void TForm1::FormClose() {
  if (store_place_.isActive()) store_place_now();
  sound_.shutdown();
  Settings->close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
  request_termination();
}

}  // namespace vx
