// TForm1: the pop-up menu with its shortcuts, its entries' actions, the
// full-screen switch and the in-window game menu.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "display/console_window.h"
#include "display/game_menu.h"
#include "display/game_menu_layout.h"
#include "platform/shell.h"
#include "platform/termination.h"

namespace vx {
namespace {

struct MenuItem {
  const char* name;
  const char* caption;  // "-": a separator
  int shortcut;         // a Qt key, 0 for none
  bool checkable;
  void (TForm1::*click)();  // null: the entry runs its form hook
};

// Every entry of pm_0_menu, in order. The about box, the manual viewer and the key
// form run through their hooks.
const MenuItem kMenu[kMenuEntryCount] = {
    {"pm_1_about", "About...", Qt::Key_F1, false, nullptr},
    {"pm_2_readme", "View 'Readme.txt'", Qt::Key_F2, false, &TForm1::pm_2_readmeClick},
    {"pm_3_whatsnew", "View 'Whatsnew.txt'", Qt::Key_F3, false, &TForm1::pm_3_whatsnewClick},
    {"pm_4_manual", "View manual", Qt::Key_F4, false, nullptr},
    {"pm_5_n1", "-", 0, false, nullptr},
    {"pm_6_config", "Edit configuration file", 0, false, &TForm1::pm_6_configClick},
    {"pm_7_keys", "Key settings", 0, false, nullptr},
    {"pm_9_n2", "-", 0, false, nullptr},
    {"pm_10_fullscreen", "Display in fullscreen mode", Qt::Key_F12, true, &TForm1::pm_10_fullscreenClick},
    {"pm_11_splashscreen", "Display splash screen at startup", 0, true, &TForm1::pm_11_splashscreenClick},
    {"pm_12_controller", "Display controller overlays", 0, true, &TForm1::pm_12_controllerClick},
    {"pm_13_n3", "-", 0, false, nullptr},
    {"pm_14_exit", "Exit", Qt::Key_Escape, false, &TForm1::pm_14_exitClick},
};

}  // namespace

void TForm1::build_menu() {
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("pm_0_menu"));
  for (int i = 0; i < kMenuEntryCount; ++i) {
    const MenuItem& item = kMenu[i];
    const bool separator = std::string_view(item.caption) == "-";
    QAction* a = new QAction(separator ? QString() : QString::fromLatin1(item.caption), menu_);
    a->setObjectName(QString::fromLatin1(item.name));
    a->setSeparator(separator);
    if (item.shortcut) a->setShortcut(QKeySequence(item.shortcut));
    a->setCheckable(item.checkable);
    if (item.click) {
      connect(a, &QAction::triggered, this, [this, click = item.click] {
        console_.timers.dispatch(now_());
        (this->*click)();
        sync();
      });
    } else if (!a->isSeparator()) {
      a->setEnabled(false);  // until the form's hook arrives
      connect(a, &QAction::triggered, this, [this, i] {
        if (form_hooks_[static_cast<std::size_t>(i)]) form_hooks_[static_cast<std::size_t>(i)]();
      });
    }
    menu_->addAction(a);
    entries_[static_cast<std::size_t>(i)] = a;
  }
  create_extras();
  menu_->setDefaultAction(entry(MenuEntry::pm_1_about));
  connect(menu_, &QMenu::aboutToShow, this, [this] { pm_0_menuPopup(); });
}

void TForm1::set_form_hook(MenuEntry e, std::function<void()> hook) {
  entry(e)->setEnabled(static_cast<bool>(hook));
  form_hooks_[static_cast<std::size_t>(e)] = std::move(hook);
}

bool TForm1::run_shortcut(const QKeyEvent& event) {
  const QKeySequence pressed(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
  for (QAction* a : entries_)
    if (!a->shortcut().isEmpty() && a->shortcut() == pressed) {
      if (a->isEnabled()) a->trigger();
      return true;
    }
  return run_extra_shortcut(event);
}

void TForm1::pm_0_menuPopup() {
  const bool launcher_default = launcher_splash_checked ? launcher_splash_checked() : true;
  entry(MenuEntry::pm_11_splashscreen)->setChecked(Settings->read_bool(SettingKey::SplashScreen, launcher_default));
  entry(MenuEntry::pm_12_controller)->setChecked(console_.CtrlrOverlay);
  if (console_.FullscreenMode && console_.GameMenuOpen) {
    console_.GameMenuOpen = false;
    Vid_Display_Game_Menu();
  }
  sync();
}

void TForm1::pm_2_readmeClick() { shell_open("Readme.txt"); }
void TForm1::pm_3_whatsnewClick() { shell_open("Whatsnew.txt"); }
void TForm1::pm_6_configClick() { shell_open("Config.ini"); }

void TForm1::pm_10_fullscreenClick() {
  console_.FullscreenMode = !console_.FullscreenMode;
  entry(MenuEntry::pm_10_fullscreen)->setChecked(console_.FullscreenMode);
  if (console_.GameMenuOpen) {
    console_.GameMenuOpen = false;
    Vid_Display_Game_Menu();
  }
  Settings->write_bool(SettingKey::FullscreenMode, console_.FullscreenMode);
  move_out_of_sight();
  run_skin_loader();
  centre();
}

// The entry's own check mark was inverted by its trigger.
void TForm1::pm_11_splashscreenClick() {
  Settings->write_bool(SettingKey::SplashScreen, entry(MenuEntry::pm_11_splashscreen)->isChecked());
}

void TForm1::pm_12_controllerClick() {
  console_.CtrlrOverlay = entry(MenuEntry::pm_12_controller)->isChecked();
  Settings->write_bool(SettingKey::CtrlrOverlay, console_.CtrlrOverlay);
  console_.Vid_Display_Ctrl_Overlay();
}

void TForm1::pm_14_exitClick() {
  if (store_place_.isActive()) store_place_now();  // the window's last move, when its place is remembered
  request_termination();
}

void TForm1::btn_game_menu_topClick() {
  console_.GameMenuOpen = !console_.GameMenuOpen;
  Vid_Display_Game_Menu();
}

void TForm1::Vid_Display_Game_Menu() {
  close_game_menu_rows();
  const Sprite& bg = console_.board[btn_game_menu_background];
  if (!console_.GameMenuOpen) {
    console_.board.set_box(btn_game_menu_background, bg.left, bg.top, kGameMenuButtonWidth, kGameMenuButtonHeight);
    return;
  }
  for (int i = 1; i <= kGameMenuRows; ++i) {
    auto* row = new GameMenuRow(this, entries_[static_cast<std::size_t>(i - 1)], i);
    show_game_menu_row(*row);
    row->released = [this] {  // la_menu_itemMouseUp
      console_.GameMenuOpen = false;
      Vid_Display_Game_Menu();
      sync();
    };
    row->show();
    game_menu_rows_.push_back(row);
  }
  console_.board.set_box(btn_game_menu_background, bg.left, bg.top, kGameMenuOpenWidth, kGameMenuOpenHeight);
}

void TForm1::close_game_menu_rows() {
  // A row may be in the middle of its own mouse event: it goes when that is done.
  for (GameMenuRow* row : game_menu_rows_) {
    row->hide();
    row->deleteLater();
  }
  game_menu_rows_.clear();
}

std::vector<GameMenuRow*> TForm1::game_menu_rows() const { return game_menu_rows_; }

}  // namespace vx
