#include "display/console_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "display/game_menu.h"
#include "display/game_menu_layout.h"
#include "platform/key_codes.h"

namespace vx {
namespace {

struct MenuItem {
  const char* name;
  const char* caption;  // "-": a separator
  int shortcut;         // a Qt key, 0 for none
  bool checkable;
};

// Every entry of pm_0_menu, in order.
const MenuItem kMenu[kMenuEntryCount] = {
    {"pm_1_about", "About...", Qt::Key_F1, false},
    {"pm_2_readme", "View 'Readme.txt'", Qt::Key_F2, false},
    {"pm_3_whatsnew", "View 'Whatsnew.txt'", Qt::Key_F3, false},
    {"pm_4_manual", "View manual", Qt::Key_F4, false},
    {"pm_5_n1", "-", 0, false},
    {"pm_6_config", "Edit configuration file", 0, false},
    {"pm_7_keys", "Key settings", 0, false},
    {"pm_9_n2", "-", 0, false},
    {"pm_10_fullscreen", "Display in fullscreen mode", Qt::Key_F12, true},
    {"pm_11_splashscreen", "Display splash screen at startup", 0, true},
    {"pm_12_controller", "Display controller overlays", 0, true},
    {"pm_13_n3", "-", 0, false},
    {"pm_14_exit", "Exit", Qt::Key_Escape, false},
};

// The entries run through the secondary forms' hooks.
bool is_form_entry(MenuEntry e) {
  return e == MenuEntry::pm_1_about || e == MenuEntry::pm_4_manual || e == MenuEntry::pm_7_keys;
}

QKeySequence pressed_keys(const QKeyEvent& event) {
  return QKeySequence(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
}

}  // namespace

ConsoleMenu::ConsoleMenu(QWidget& window, SettingsStore& settings)
    : QObject(&window), window_(window), settings_(settings) {
  menu_ = new QMenu(&window);
  menu_->setObjectName(QStringLiteral("pm_0_menu"));
  for (int i = 0; i < kMenuEntryCount; ++i) {
    const MenuItem& item = kMenu[i];
    const bool separator = std::string_view(item.caption) == "-";
    QAction* a = new QAction(separator ? QString() : QString::fromLatin1(item.caption), menu_);
    a->setObjectName(QString::fromLatin1(item.name));
    a->setSeparator(separator);
    if (item.shortcut) a->setShortcut(QKeySequence(item.shortcut));
    a->setCheckable(item.checkable);
    const auto e = static_cast<MenuEntry>(i);
    if (is_form_entry(e)) a->setEnabled(false);  // until the form's hook arrives
    if (!separator)
      connect(a, &QAction::triggered, this, [this, i] {
        auto& run = form_hooks_[static_cast<std::size_t>(i)] ? form_hooks_[static_cast<std::size_t>(i)]
                                                             : clicks_[static_cast<std::size_t>(i)];
        if (run) run();
      });
    menu_->addAction(a);
    entries_[static_cast<std::size_t>(i)] = a;
  }
  create_extras();
  menu_->setDefaultAction(entry(MenuEntry::pm_1_about));
}

void ConsoleMenu::on_click(MenuEntry e, std::function<void()> click) {
  clicks_[static_cast<std::size_t>(e)] = std::move(click);
}

void ConsoleMenu::set_form_hook(MenuEntry e, std::function<void()> hook) {
  entry(e)->setEnabled(static_cast<bool>(hook));
  form_hooks_[static_cast<std::size_t>(e)] = std::move(hook);
}

void ConsoleMenu::bind(QAction* entry, SettingKey key, std::function<void(bool)> apply) {
  entry->setChecked(settings_.read_bool(key));
  connect(entry, &QAction::triggered, this, [this, entry, key, apply = std::move(apply)] {
    const bool on = entry->isChecked();
    settings_.write_bool(key, on);
    if (apply) apply(on);
  });
}

QAction* ConsoleMenu::add_checkable(const char* name, const char* caption, QAction* before) {
  auto* a = new QAction(QString::fromLatin1(caption), menu_);
  a->setObjectName(QString::fromLatin1(name));
  a->setCheckable(true);
  menu_->insertAction(before, a);
  return a;
}

void ConsoleMenu::create_extras() {
  // Between "Display controller overlays" and the separator above "Exit".
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
    connect(a, &QAction::triggered, this, [this, percent] {
      if (zoom_to) zoom_to(percent);
    });
    zoom_entries_[i] = a;
  }
  zoom_entries_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  zoom->addSeparator();
  zoom_in_ = zoom->addAction(QStringLiteral("Zoom in"));
  // Ctrl with + on the keypad, or with the key that carries + (with or without Shift).
  zoom_in_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
                          QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoom_in_, &QAction::triggered, this, [this] {
    if (zoom_step) zoom_step(+1);
  });
  zoom_out_ = zoom->addAction(QStringLiteral("Zoom out"));
  zoom_out_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  connect(zoom_out_, &QAction::triggered, this, [this] {
    if (zoom_step) zoom_step(-1);
  });
  menu_->insertMenu(before, zoom);
  fit_ = add_checkable("pm_fit", "Fit console to screen", before);
  pause_ = add_checkable("pm_pause", "Pause when the window is inactive", before);
  remember_ = add_checkable("pm_remember", "Remember window position", before);

  pause_game_ = add_checkable("pm_pause_game", "Pause", before);
  pause_game_->setShortcuts({QKeySequence(Qt::Key_Pause), QKeySequence(Qt::Key_F5)});
  auto* volume = new QMenu(QStringLiteral("Volume"), menu_);
  volume->setObjectName(QStringLiteral("pm_volume"));
  auto* volumes = new QActionGroup(volume);
  for (std::size_t i = 0; i < volume_entries_.size(); ++i) {
    QAction* a = volume->addAction(QStringLiteral("%1%").arg(i * 10));
    a->setObjectName(QStringLiteral("pm_volume_%1").arg(i * 10));
    a->setCheckable(true);
    volumes->addAction(a);
    volume_entries_[i] = a;
  }
  volume->addSeparator();
  volume_down_ = volume->addAction(QStringLiteral("Volume down"));
  volume_down_->setShortcut(QKeySequence(Qt::Key_F6));
  volume_up_ = volume->addAction(QStringLiteral("Volume up"));
  volume_up_->setShortcut(QKeySequence(Qt::Key_F7));
  mute_ = volume->addAction(QStringLiteral("Mute"));
  mute_->setObjectName(QStringLiteral("pm_mute"));
  mute_->setCheckable(true);
  mute_->setShortcut(QKeySequence(Qt::Key_F8));
  menu_->insertMenu(before, volume);
  screenshot_ = new QAction(QStringLiteral("Save screenshot"), menu_);
  screenshot_->setObjectName(QStringLiteral("pm_screenshot"));
  screenshot_->setShortcut(QKeySequence(Qt::Key_F9));
  menu_->insertAction(before, screenshot_);
  high_scores_ = new QAction(QStringLiteral("High scores..."), menu_);
  high_scores_->setObjectName(QStringLiteral("pm_high_scores"));
  menu_->insertAction(before, high_scores_);
  ask_quit_ = add_checkable("pm_ask_quit", "Ask before quitting a running game", before);
  function_keys_ = {pause_game_, volume_down_, volume_up_, mute_, screenshot_};
}

QAction* ConsoleMenu::volume_entry(int percent) const {
  return volume_entries_[static_cast<std::size_t>(std::clamp(percent, 0, 100) / 10)];
}

void ConsoleMenu::show_volume(int percent) { volume_entry(percent)->setChecked(true); }

QAction* ConsoleMenu::zoom_entry(int percent) const {
  for (std::size_t i = 0; i < kZoomLevels.size(); ++i)
    if (kZoomLevels[i] == valid_zoom(percent)) return zoom_entries_[i];
  return zoom_entries_[0];
}

void ConsoleMenu::show_zoom(int percent) { zoom_entry(percent)->setChecked(true); }

bool ConsoleMenu::run_shortcut(const QKeyEvent& event, const std::function<bool(int key_code)>& assigned) {
  const QKeySequence pressed = pressed_keys(event);
  for (QAction* a : entries_)
    if (!a->shortcut().isEmpty() && a->shortcut() == pressed) {
      if (a->isEnabled()) a->trigger();
      return true;
    }
  for (QAction* a : function_keys_)
    if (a->shortcuts().contains(pressed)) {
      // A held key steps the volume on; pause, mute and the screenshot take one press each.
      if (!event.isAutoRepeat() || a == volume_down_ || a == volume_up_) a->trigger();
      return true;
    }
  // A key the player gave to one of the six controls stays with the game.
  const int code = windows_key_code(event.key(), event.modifiers() & Qt::KeypadModifier);
  if (code && assigned && assigned(code)) return false;
  for (QAction* a : {zoom_entries_[0], zoom_in_, zoom_out_})
    if (a->shortcuts().contains(pressed)) {
      a->trigger();
      return true;
    }
  return false;
}

void ConsoleMenu::set_game_menu_open(bool open) {
  game_menu_open_ = open;
  // A row may be in the middle of its own mouse event: it goes when that is done.
  for (GameMenuRow* row : rows_) {
    row->hide();
    row->deleteLater();
  }
  rows_.clear();
  if (open)
    for (int i = 1; i <= kGameMenuRows; ++i) {
      auto* row = new GameMenuRow(&window_, entries_[static_cast<std::size_t>(i - 1)], i);
      if (place_row) place_row(*row);
      row->released = [this] {  // la_menu_itemMouseUp
        set_game_menu_open(false);
        if (on_row_released) on_row_released();
      };
      row->show();
      rows_.push_back(row);
    }
  if (set_game_menu_panel) set_game_menu_panel(open);
}

}  // namespace vx
