// The about box: a picture of the author, five lines of details and two links,
// one to the web page and one to write an e-mail; a link closes the box after
// handing its address to the desktop shell. Esc closes it; closing hides it.
#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

namespace vx {

// Hands a link to the desktop shell; its result is not looked at.
using ShellOpen = std::function<void(const QUrl&)>;

class TAboutForm : public QWidget {
  Q_OBJECT

 public:
  explicit TAboutForm(ShellOpen shell_open);

  void FormKeyDown(int key_code);
  void la_website_2Click();
  void la_email_2Click();

  QLabel* website_link() const { return la_website_2_; }
  QLabel* email_link() const { return la_email_2_; }

  static const QUrl& website();
  static const QUrl& email();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ShellOpen shell_open_;
  QLabel* la_website_2_ = nullptr;
  QLabel* la_email_2_ = nullptr;
  QLabel* pressed_link_ = nullptr;
  bool shown_before_ = false;
};

}  // namespace vx
