// The launcher TSplashForm: the game's title, version and release line with the
// box art, the skin and sound output lists with the skin's preview, the check box
// that skips it at later starts, and Play, which stores the choices, starts sound,
// loads the skin and brings the console up, centred and off. When the stored
// choices say so, it skips itself and plays unseen at creation.
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace vx {

class TForm1;
class PictureLabel;

class TSplashForm : public QWidget {
 public:
  explicit TSplashForm(TForm1& console_form);

  // Whether creation skipped the launcher (and so already played).
  bool skipped() const { return skipped_; }
  // Whether Play has brought the console up (the launcher is done for this run).
  bool played() const { return played_; }

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
  QLabel* la_high_scores = nullptr;  // under the skin preview
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
  // The chosen skin's preview; `check_only`: only whether it decodes (said if not).
  void Vid_im_skin_preview(bool check_only = false);
  // Gives `label` the picture of one of the launcher's elements from the
  // installation, decoded when FormCreate knows that the launcher is shown.
  void set_picture(QLabel* label, const char* element);
  // Gives `label` the picture of the configured file (the red square when it does
  // not decode); `check_only`: only whether it decodes (said if not).
  void show_picture(QLabel* label, const std::string& configured, bool check_only);
  // The pictures waiting for FormCreate, in the order they were asked for.
  std::vector<std::pair<QLabel*, const char*>> pictures_;

  TForm1& form1_;
  bool skipped_ = false;
  bool played_ = false;
};

}  // namespace vx
