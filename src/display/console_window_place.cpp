// TForm1: "Remember window position", an addition off by default. When it is on,
// the windowed console's place is stored ("WindowLeft", "WindowTop") shortly
// after the window stops moving and at exit, and centre() puts the window back
// there, moved onto the screen if the screen has changed since.
#include <QAction>
#include <QMenu>

#include "display/console_window.h"

namespace vx {
namespace {

// A drag moves the window many times a second; its place is stored once it rests.
constexpr int kStorePlaceAfterMs = 400;

}  // namespace

void TForm1::create_place_entry() {
  remember_ = new QAction(QStringLiteral("Remember window position"), menu_);
  remember_->setObjectName(QStringLiteral("pm_remember"));
  remember_->setCheckable(true);
  connect(remember_, &QAction::triggered, this, [this] { pm_rememberClick(); });
  menu_->insertAction(entry(MenuEntry::pm_13_n3), remember_);

  store_place_.setSingleShot(true);
  store_place_.setInterval(kStorePlaceAfterMs);
  connect(&store_place_, &QTimer::timeout, this, [this] { store_place_now(); });
}

void TForm1::pm_rememberClick() {
  RememberPosition = remember_->isChecked();
  Settings->write_bool(SettingKey::RememberPosition, RememberPosition);
  if (RememberPosition) store_place_now();
}

void TForm1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (RememberPosition && placed_ && !console_.FullscreenMode) store_place_.start();
}

void TForm1::store_place_now() {
  store_place_.stop();
  // A Wayland window does not know its place on the screen.
  if (!RememberPosition || !placed_ || console_.FullscreenMode || !isVisible() || compositor_places_) return;
  Settings->write_int(SettingKey::WindowLeft, x());
  Settings->write_int(SettingKey::WindowTop, y());
}

}  // namespace vx
