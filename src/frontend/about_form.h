// The about box: a picture of the author, five lines of details and two links,
// one to the web page and one to write an e-mail; a link closes the box after
// handing its address to the desktop shell. Esc closes it; closing hides it.
#pragma once

#include <QWidget>

class QLabel;

namespace vx {

class TAboutForm : public QWidget {
  Q_OBJECT

 public:
  TAboutForm();

  void FormKeyDown(int key_code);
  void la_website_2Click();
  void la_email_2Click();

  QLabel* website_link() const { return la_website_2_; }
  QLabel* email_link() const { return la_email_2_; }

  // The links handed to the desktop shell.
  static const char* const kWebsite;
  static const char* const kEmail;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* la_website_2_ = nullptr;
  QLabel* la_email_2_ = nullptr;
  QLabel* pressed_link_ = nullptr;
  bool shown_before_ = false;
};

}  // namespace vx
