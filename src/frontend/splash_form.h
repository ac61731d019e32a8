// The launcher TSplashForm: the game's title, version and release line with the
// box art, the skin and sound output lists with the skin's preview, the check box
// that skips it at later starts, and Play, which stores the choices, starts sound,
// loads the skin and brings the console up, centred and off. When the stored
// choices say so, it skips itself and plays unseen at creation.
#pragma once

#include <QWidget>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QLabel;

namespace vx {

class TForm1;
class PictureLabel;

// The launcher's pictures, relative to the program's folder.
struct LauncherPictures {
  static constexpr const char* background = "Graphics\\Launcher\\Background.png";
  static constexpr const char* box_art = "Graphics\\Launcher\\BoxArt.png";
  static constexpr const char* play = "Graphics\\Launcher\\Play.png";
  static constexpr const char* play_disabled = "Graphics\\Launcher\\PlayDisabled.png";
  static constexpr const char* donation = "Graphics\\Launcher\\Donate.png";
};

class TSplashForm : public QWidget {
 public:
  explicit TSplashForm(TForm1& console_form);

  // Whether creation skipped the launcher (and so already played).
  bool skipped() const { return skipped_; }

  void btn_playClick();
  // Windows key codes: Enter and '1' play when Play is allowed, Escape ends the program.
  void FormKeyDown(int key_code);
  void cb_skinChange();
  void cb_soundChange();
  void la_website_2Click();
  void la_email_2Click();
  void btn_paypalClick();

  QComboBox* cb_skin = nullptr;
  QComboBox* cb_sound = nullptr;
  QCheckBox* chb_splashscreen = nullptr;
  PictureLabel* btn_play = nullptr;
  PictureLabel* btn_play_disabled = nullptr;
  PictureLabel* btn_paypal = nullptr;
  PictureLabel* im_skin_preview = nullptr;
  QLabel* la_game_title = nullptr;
  QLabel* la_version = nullptr;
  QLabel* la_release_date = nullptr;
  PictureLabel* la_website_2 = nullptr;
  PictureLabel* la_email_2 = nullptr;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void apply_play_rule();
  void Vid_im_skin_preview();
  QPixmap picture(const char* configured) const;

  TForm1& form1_;
  bool skipped_ = false;
};

}  // namespace vx
