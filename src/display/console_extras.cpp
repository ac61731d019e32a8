#include "display/console_extras.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "display/console_menu.h"
#include "display/window_shot.h"
#include "sound/sound.h"

namespace vx {
namespace {

constexpr int kVolumeStep = 10;
constexpr int kGreetingMs = 6000;  // a new high score stays a little longer than a note
constexpr int kShotNoteMs = 3000;  // where a screenshot went: time to read a path

BestScores stored_bests(const SettingsStore& settings) {
  BestScores best{};
  for (int skill = 1; skill <= 4; ++skill) best[skill] = std::max(0, settings.read_int(best_score_key(skill)));
  return best;
}

QRect united_boxes(const SpriteBoard& board, auto ids) {
  QRect r;
  for (ElementId id : ids) r |= QRect(board[id].left, board[id].top, board[id].width, board[id].height);
  return r;
}

}  // namespace

QString high_scores_text(const BestScores& best, const QString& between) {
  QString text;
  for (int skill = 1; skill <= 4; ++skill)
    text += (skill > 1 ? between : QString()) + QStringLiteral("Skill %1: %2").arg(skill).arg(best[skill]);
  return text;
}

ConsoleExtras::ConsoleExtras(QWidget& window, ConsoleMenu& menu, SettingsStore& settings, ConsoleHost& host,
                             Sound& sound)
    : QObject(&window), window_(window), menu_(menu), settings_(settings), host_(host), sound_(sound) {
  overlay_.changed = [this] { window_.update(); };
  ask_quit = [this] {
    return QMessageBox::question(&window_, QStringLiteral("Vornix (Orvane) Simulator"),
                                 QStringLiteral("A game is running. Quit anyway?")) == QMessageBox::Yes;
  };
  grab = [this] { return window_as_shown(window_); };
  shots_folder = [] { return screenshot_folder(); };
  host_.set_best_scores(stored_bests(settings_));

  connect(menu_.pause_game_entry(), &QAction::triggered, this, [this] { toggle_pause(); });
  for (int percent = 0; percent <= 100; percent += kVolumeStep)
    connect(menu_.volume_entry(percent), &QAction::triggered, this,
            [this, percent] { set_volume(percent, muted_, false); });
  connect(menu_.volume_down_entry(), &QAction::triggered, this,
          [this] { set_volume(volume_ - kVolumeStep, muted_, true); });
  connect(menu_.volume_up_entry(), &QAction::triggered, this,
          [this] { set_volume(volume_ + kVolumeStep, muted_, true); });
  connect(menu_.mute_entry(), &QAction::triggered, this, [this] { set_volume(volume_, !muted_, true); });
  connect(menu_.screenshot_entry(), &QAction::triggered, this, [this] { save_screenshot(); });
  connect(menu_.high_scores_entry(), &QAction::triggered, this, [this] { show_high_scores(); });
  menu_.bind(menu_.ask_quit_entry(), SettingKey::AskBeforeQuit, {});

  volume_ = std::clamp(settings_.read_int(SettingKey::Volume) / kVolumeStep * kVolumeStep, 0, 100);
  muted_ = settings_.read_bool(SettingKey::Muted);
  apply_volume();
}

void ConsoleExtras::apply_volume() {
  sound_.set_volume(volume_, muted_);
  menu_.show_volume(volume_);
  menu_.mute_entry()->setChecked(muted_);
}

void ConsoleExtras::after_report(const HostReport& report) {
  overlay_.set_paused(host_.paused());
  menu_.pause_game_entry()->setChecked(host_.paused_by(PauseBy::Player));
  if (report.game_over && report.game_over->new_best) {
    const GameResult& r = *report.game_over;
    settings_.write_int(best_score_key(r.skill), r.score);
    overlay_.note(QStringLiteral("New high score at skill %1: %2").arg(r.skill).arg(r.score), kGreetingMs);
  }
}

QRect ConsoleExtras::playfield() const {
  const Console& k = host_.console();
  QRect r;
  for (int c = 1; c <= kCols; ++c) {
    r |= united_boxes(k.board, std::span(&k.EnemySprite[c][1], kRows));
    r |= united_boxes(k.board, std::span(&k.FireSprite[c][2], kRows - 1));
    r |= united_boxes(k.board, std::span(&k.ShipSprite[c], 1));
  }
  return r;
}

QRect ConsoleExtras::panel() const {
  const Console& k = host_.console();
  return united_boxes(k.board, std::span(&k.PanelDigitPos[1], 4));
}

void ConsoleExtras::paint(QPainter& p, const ConsoleView& view) const {
  if (!overlay_.paused() && overlay_.note_text().isEmpty()) return;
  overlay_.paint(p, view.place(playfield()), view.place(panel()));
}

bool ConsoleExtras::may_quit() {
  if (!host_.game_running() || !settings_.read_bool(SettingKey::AskBeforeQuit)) return true;
  // The game waits while the question is open.
  const bool was_paused = host_.paused_by(PauseBy::Player);
  if (show) show(host_.set_paused(true, PauseBy::Player));
  const bool quit = ask_quit && ask_quit();
  if (!quit && show) show(host_.set_paused(was_paused, PauseBy::Player));
  return quit;
}

void ConsoleExtras::toggle_pause() {
  const HostReport r = host_.set_paused(!host_.paused_by(PauseBy::Player), PauseBy::Player);
  if (show) show(r);
}

void ConsoleExtras::set_volume(int percent, bool muted, bool say) {
  volume_ = std::clamp(percent, 0, 100);
  muted_ = muted;
  const std::pair<SettingKey, int> values[] = {{SettingKey::Volume, volume_}, {SettingKey::Muted, muted_ ? 1 : 0}};
  settings_.write_ints(values);
  apply_volume();
  if (say) overlay_.note(muted_ ? QStringLiteral("Sound muted (volume %1%)").arg(volume_)
                                : QStringLiteral("Volume %1%").arg(volume_));
}

std::filesystem::path ConsoleExtras::save_screenshot() {
  if (!overlay_.note_text().isEmpty()) {  // a note is no part of the picture
    overlay_.clear_note();
    window_.repaint();
  }
  const QPixmap picture = grab();
  const std::filesystem::path folder = shots_folder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path file = screenshot_path(folder, QDateTime::currentDateTime());
  std::string error;
  if (ec) error = folder.string() + ": the folder cannot be made (" + ec.message() + ")";
  if (!ec && save_png(picture, file, error)) {
    QString where = QString::fromStdString(folder.string());
    const QString home = QDir::homePath();
    if (where.startsWith(home + QLatin1Char('/'))) where = QLatin1Char('~') + where.mid(home.size());
    overlay_.note(QStringLiteral("Screenshot saved in %1\n%2").arg(where, QString::fromStdString(file.filename().string())),
                  kShotNoteMs);
    return file;
  }
  std::fprintf(stderr, "%s\n", error.c_str());
  overlay_.note(QStringLiteral("The screenshot could not be saved"), kShotNoteMs);
  return {};
}

void ConsoleExtras::show_high_scores() {
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("High scores"),
                              high_scores_text(host_.best_scores()), QMessageBox::Ok, &window_);
  box->setObjectName(QStringLiteral("high_scores_box"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace vx
