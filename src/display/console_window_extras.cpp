// TForm1: the simulator's additions to the console window: the "Zoom" sub-menu
// and its shortcuts, full screen fitted to the screen's height, the pause while
// the window is inactive, and the gamepads. None of them changes the original
// entries; each is stored under a name of its own.
#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "display/console_window.h"
#include "display/game_menu.h"
#include "game/actions.h"
#include "skin/skin_description.h"
#include "sound/sound_pause.h"

namespace vx {
namespace {

// A zoomed window beyond the limits of a console's canvas is shown at the
// console's own size instead.
void keep_within_limits(ConsoleView& view, QSize& window, QSize canvas) {
  if (std::string limit; canvas_allowed(window.width(), window.height(), limit)) return;
  view = {};
  window = canvas;
}

// The pads' actions are the console's six, in the same order.
static_assert(static_cast<int>(PadAction::Power) + ActPower == ActPower);
static_assert(static_cast<int>(PadAction::Fire) + ActPower == ActFire);
Action console_action(PadAction a) { return static_cast<Action>(static_cast<int>(a) + ActPower); }

// The pads are read this often while a pad is connected and the window is
// active; otherwise only often enough to notice a pad being plugged in.
constexpr int kPadPollMs = 8, kPadIdlePollMs = 250;

}  // namespace

void TForm1::create_extras() {
  // The menu entries, between "Display controller overlays" and the separator above "Exit".
  QAction* before = entry(MenuEntry::pm_13_n3);
  auto* zoom = new QMenu(QStringLiteral("Zoom"), menu_);
  zoom->setObjectName(QStringLiteral("pm_zoom"));
  auto* levels = new QActionGroup(zoom);
  for (std::size_t i = 0; i < kZoomLevels.size(); ++i) {
    const int percent = kZoomLevels[i];
    QAction* a = zoom->addAction(QStringLiteral("%1%").arg(percent));
    a->setObjectName(QStringLiteral("pm_zoom_%1").arg(percent));
    a->setCheckable(true);
    levels->addAction(a);
    connect(a, &QAction::triggered, this, [this, percent] { set_zoom(percent); });
    zoom_entries_[i] = a;
  }
  zoom_entries_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  zoom->addSeparator();
  zoom_in_ = zoom->addAction(QStringLiteral("Zoom in"));
  // Ctrl with + on the keypad, or with the key that carries + (with or without Shift).
  zoom_in_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
                          QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoom_in_, &QAction::triggered, this, [this] { set_zoom(step_zoom(zoom_shown_, +1)); });
  zoom_out_ = zoom->addAction(QStringLiteral("Zoom out"));
  zoom_out_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  connect(zoom_out_, &QAction::triggered, this, [this] { set_zoom(step_zoom(zoom_shown_, -1)); });
  menu_->insertMenu(before, zoom);

  fit_ = new QAction(QStringLiteral("Fit console to screen"), menu_);
  fit_->setObjectName(QStringLiteral("pm_fit"));
  fit_->setCheckable(true);
  connect(fit_, &QAction::triggered, this, [this] { pm_fitClick(); });
  menu_->insertAction(before, fit_);

  pause_ = new QAction(QStringLiteral("Pause when the window is inactive"), menu_);
  pause_->setObjectName(QStringLiteral("pm_pause"));
  pause_->setCheckable(true);
  connect(pause_, &QAction::triggered, this, [this] { pm_pauseClick(); });
  menu_->insertAction(before, pause_);
  create_place_entry();

  // The pads count once the window is first activated.
  pads_->set_active(false, 0);
  pad_timer_.setSingleShot(true);
  connect(&pad_timer_, &QTimer::timeout, this, [this] { poll_gamepads(); });
  pad_timer_.start(kPadIdlePollMs);
}

void TForm1::read_extra_settings() {
  Zoom = valid_zoom(Settings->read_int(SettingKey::Zoom));
  zoom_shown_ = Zoom;
  zoom_entry(Zoom)->setChecked(true);
  FullscreenFit = Settings->read_bool(SettingKey::FullscreenFit);
  fit_->setChecked(FullscreenFit);
  PauseInactive = Settings->read_bool(SettingKey::PauseInactive);
  pause_->setChecked(PauseInactive);
  RememberPosition = Settings->read_bool(SettingKey::RememberPosition);
  remember_->setChecked(RememberPosition);
}

QAction* TForm1::zoom_entry(int percent) const {
  for (std::size_t i = 0; i < kZoomLevels.size(); ++i)
    if (kZoomLevels[i] == valid_zoom(percent)) return zoom_entries_[i];
  return zoom_entries_[0];
}

bool TForm1::run_extra_shortcut(const QKeyEvent& event) {
  // A key the player gave to one of the six controls stays with the game.
  const int code = windows_key_code(event.key(), event.modifiers() & Qt::KeypadModifier);
  for (int a = ActPower; a <= ActFire; ++a)
    if (code && console_.KeyAssign[a].VirtualKey == code) return false;
  const QKeySequence pressed(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
  for (QAction* a : {zoom_entries_[0], zoom_in_, zoom_out_})
    if (a->shortcuts().contains(pressed)) {
      a->trigger();
      return true;
    }
  return false;
}

int TForm1::fitting_zoom() const {
  return zoom_that_fits(Zoom, {look_.game_width, look_.game_height}, available_area());
}

void TForm1::set_zoom(int percent) {
  Zoom = valid_zoom(percent);
  Settings->write_int(SettingKey::Zoom, Zoom);
  zoom_shown_ = fitting_zoom();
  zoom_entry(zoom_shown_)->setChecked(true);
  if (console_.FullscreenMode || look_.client_width <= 0) return;  // for the windowed console, when it returns
  // The console grows or shrinks about its centre, then moves wholly onto the screen where it fits.
  const WindowPoint centre{x() + width() / 2, y() + height() / 2};
  view_ = ConsoleView::zoom(zoom_shown_);
  window_size_ = view_.to_window(QSize(look_.client_width, look_.client_height));
  keep_within_limits(view_, window_size_, QSize(look_.client_width, look_.client_height));
  apply_look();
  const WindowSize size{width(), height()};
  const WindowPoint at = keep_inside(around_centre(centre, size), size, available_area());
  move(at.x, at.y);
}

void TForm1::load_skin_fitted(SkinLoadRequest& request) {
  const QSize screen(request.screen_width, request.screen_height);
  if (!request.FullscreenMode || !FullscreenFit) {
    gfxinit(request, console_.board, look_);
    zoom_shown_ = fitting_zoom();
    zoom_entry(zoom_shown_)->setChecked(true);
    view_ = request.FullscreenMode ? ConsoleView{} : ConsoleView::zoom(zoom_shown_);
    window_size_ = view_.to_window(QSize(look_.client_width, look_.client_height));
    keep_within_limits(view_, window_size_, QSize(look_.client_width, look_.client_height));
    return;
  }
  // The canvas is the screen seen at the scale that makes the console's height
  // fill the screen's; the skin's height is known once it has been read, so a
  // skin not read before is laid out a second time.
  for (int pass = 0; pass < 2; ++pass) {
    const int game_height = look_.game_height;
    view_ = ConsoleView::fit(screen.height(), game_height);
    QSize canvas = view_.to_console(screen);
    // A console much taller than the screen would need a canvas beyond the
    // limits: it is shown at its own size instead.
    if (std::string limit; !canvas_allowed(canvas.width(), canvas.height(), limit)) {
      view_ = {};
      canvas = screen;
    }
    request.screen_width = canvas.width();
    request.screen_height = canvas.height();
    gfxinit(request, console_.board, look_);
    if (look_.game_height == game_height) break;
  }
  window_size_ = screen;
}

void TForm1::pm_fitClick() {
  FullscreenFit = fit_->isChecked();
  Settings->write_bool(SettingKey::FullscreenFit, FullscreenFit);
  if (!console_.FullscreenMode) return;
  if (console_.GameMenuOpen) {
    console_.GameMenuOpen = false;
    Vid_Display_Game_Menu();
  }
  run_skin_loader();
  centre();
  sync();
}

void TForm1::pm_pauseClick() {
  PauseInactive = pause_->isChecked();
  Settings->write_bool(SettingKey::PauseInactive, PauseInactive);
  on_activation_changed();
}

void TForm1::on_activation_changed() {
  const bool active = isActiveWindow();
  const bool pause = PauseInactive && !active;
  if (pause && !game_clock_.paused()) {
    console_.timers.dispatch(now_());  // what fell due before the pause still runs
    game_clock_.pause(wall_());
    fsound_pause(true);
  } else if (!pause && game_clock_.paused()) {
    game_clock_.resume(wall_());
    fsound_pause(false);
  }
  for (const PadEvent& e : pads_->set_active(active, wall_())) run_action(console_, console_action(e.action), e.down);
  sync();
  pad_timer_.start(kPadPollMs);
}

void TForm1::poll_gamepads() {
  const auto events = pads_->poll(wall_());
  if (!events.empty()) {
    console_.timers.dispatch(now_());
    for (const PadEvent& e : events) run_action(console_, console_action(e.action), e.down);
    sync();
  }
  pad_timer_.start(pads_->count() > 0 && pads_->active() ? kPadPollMs : kPadIdlePollMs);
}

void TForm1::paint_scaled(QPainter& p, const QRegion& region) {
  p.setClipRegion(region);
  p.scale(view_.scale, view_.scale);
  if (view_.sharp(devicePixelRatioF()) || !look_.colour_key) {
    // Whole device pixels per console pixel draw sharp, others smooth.
    p.setRenderHint(QPainter::SmoothPixmapTransform, !view_.sharp(devicePixelRatioF()));
    p.drawImage(0, 0, frame_);
    return;
  }
  // Smooth and shaped: the key colour must not bleed into the console's edge, so
  // the part drawn sees through it (the edge fades to dark instead).
  const QRect window = region.boundingRect();
  const QRect part =
      QRect(view_.to_console(window.topLeft()) - QPoint(2, 2), view_.to_console(window.bottomRight()) + QPoint(2, 2))
          .intersected(frame_.rect());
  QImage source = frame_.copy(part);
  const QRgb key = colour_to_rgb(look_.colour) | 0xFF000000u;
  for (int y = 0; y < source.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(source.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      if (row[x] == key) row[x] = 0;
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(part.topLeft(), source);
}

void TForm1::show_game_menu_row(GameMenuRow& row) const {
  if (view_.identity()) return;
  row.setGeometry(view_.place(row.geometry()));
  QFont font = row.font();
  if (font.pixelSize() > 0) font.setPixelSize(static_cast<int>(font.pixelSize() * view_.scale + 0.5));
  row.setFont(font);
}

}  // namespace vx
