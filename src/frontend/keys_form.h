// The key settings form: six lists of the 44 assignable keys, one per control, a
// duplicate check that marks clashing controls red, and Accept, which stores the
// keys, puts them into effect on the console and rebuilds the button hints.
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace vx {

class Console;
class SettingsStore;

// The text of key index 1..44 in the lists: "0".."9", "A".."Z", "<UP ARROW>" ...
QString key_list_text(int key_index);

class TKeysForm : public QWidget {
  Q_OBJECT

 public:
  // `console_window` is disabled by the opener while the form is shown; both ways
  // out of the form enable it again. It may be null.
  TKeysForm(Console& console, SettingsStore& settings, QWidget* console_window);

  // Windows key codes, as the form previews them before its controls.
  // Returns true when the key was used (Enter or Escape).
  bool FormKeyDown(int key_code);
  // True when two lists show the same key; colours their labels red.
  bool CheckKeys();
  void btn_acceptClick();

  QComboBox* list(int n) const { return cb_[n]; }
  QLabel* label(int n) const { return la_[n]; }
  QPushButton* accept_button() const { return btn_accept_; }
  QLabel* gamepad_line() const { return la_gamepad_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void cbChange();
  // Enables the console window again and hides the form.
  void leave();

  Console& console_;
  SettingsStore& settings_;
  QWidget* console_window_;
  std::array<QComboBox*, 7> cb_{};  // [1..6]
  std::array<QLabel*, 7> la_{};     // [1..6]
  QLabel* la_main_ = nullptr;
  QLabel* la_controls_ = nullptr;
  QLabel* la_gamepad_ = nullptr;  // which pad buttons do what
  QPushButton* btn_accept_ = nullptr;
};

}  // namespace vx
