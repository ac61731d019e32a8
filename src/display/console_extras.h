// The console window's extras beyond the original console, wired to the menu's
// entries: the player's pause (its steady sign, also for the pause while
// inactive), the whole mix's volume and mute, screenshots, the best score per
// skill level, and the question before quitting a running game. What it shows
// goes over the console through ConsoleOverlay; the window forwards its host
// reports, its paint and its Exit here.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <filesystem>
#include <functional>

#include "display/console_overlay.h"
#include "display/console_view.h"
#include "host/console_host.h"
#include "platform/settings.h"

class QPainter;

namespace vx {

class ConsoleMenu;
class Sound;

class ConsoleExtras : public QObject {
 public:
  ConsoleExtras(QWidget& window, ConsoleMenu& menu, SettingsStore& settings, ConsoleHost& host, Sound& sound);

  // The window shows what a host call changed (its show_report).
  std::function<void(const HostReport&)> show;
  // The question before quitting a running game (a message box); true: quit.
  std::function<bool()> ask_quit;
  // The window's picture for a screenshot (as the screen shows it).
  std::function<QPixmap()> grab;
  // Where screenshots go (the user's pictures folder, under the program's name).
  std::function<std::filesystem::path()> shots_folder;

  // After every host report: the sign follows the pause, a game over keeps a new best.
  void after_report(const HostReport& report);
  // Paints the sign and the note over the console shown through `view`.
  void paint(QPainter& p, const ConsoleView& view) const;
  // Exit or Esc: false when the player chose to stay.
  bool may_quit();

  void toggle_pause();
  // Level in percent (0..100, whole tens) and mute; stored, applied to the whole
  // mix, checked in the menu, and said on the window when `say`.
  void set_volume(int percent, bool muted, bool say);
  int volume() const { return volume_; }
  bool muted() const { return muted_; }
  // Saves the window as a PNG picture and says where; the path, empty on failure.
  std::filesystem::path save_screenshot();
  void show_high_scores();
  const ConsoleOverlay& overlay() const { return overlay_; }
  // The emulated screen's area and the panel's, on the console's canvas.
  QRect playfield() const;
  QRect panel() const;

 private:
  void apply_volume();

  QWidget& window_;
  ConsoleMenu& menu_;
  SettingsStore& settings_;
  ConsoleHost& host_;
  Sound& sound_;
  ConsoleOverlay overlay_;
  int volume_ = 100;
  bool muted_ = false;
};

// The high scores as the box ("\n" between levels) and the launcher show them.
QString high_scores_text(const BestScores& best, const QString& between = QStringLiteral("\n"));

}  // namespace vx
