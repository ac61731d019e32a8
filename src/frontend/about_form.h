// The about box: a picture of the author, five lines of details and two links,
// one to the web page and one to write an e-mail; a link closes the box after
// handing its address to the desktop shell (a link with no address is greyed and
// does nothing). Esc closes it; closing hides it.
#pragma once

#include <QWidget>
#include <filesystem>
#include <vector>

#include "frontend/project_links.h"

class QLabel;

namespace vx {

class TAboutForm : public QWidget {
  Q_OBJECT

 public:
  // The picture comes from the data folder; the links are the project's own unless given.
  explicit TAboutForm(const std::filesystem::path& data_folder, ProjectLink website = kWebsiteLink,
                      ProjectLink email = kEmailLink);

  void FormKeyDown(int key_code);
  void la_website_2Click();
  void la_email_2Click();

  QLabel* website_link() const { return la_website_2_; }
  QLabel* email_link() const { return la_email_2_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  ProjectLink website_, email_;
  QLabel* la_website_2_ = nullptr;
  QLabel* la_email_2_ = nullptr;
  bool shown_before_ = false;
  std::vector<QLabel*> fitted_labels_;  // sized to their text when first shown
};

}  // namespace vx
