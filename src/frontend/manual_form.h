// The manual viewer: six page pictures shown one at a time in a borderless window
// that stays on top, turned with two arrow buttons or the arrow keys, closed with
// the close button or Esc, moved by dragging the page. Closing hides it; it
// reopens at the page and place it was left.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>
#include <string>

#include "platform/key_codes.h"
#include "skin/picture.h"

namespace vx {

// The button pictures, pressed look below the normal look, each 16 by 14.
enum ManualButton { btn_right_down, btn_right_up, btn_left_down, btn_left_up, btn_close_down, btn_close_up };
inline constexpr int kManualButtonCount = 6;
const char* manual_button_name(ManualButton b);

// What the viewer is made from: the client size, pages 1..6 ([0] unused) and the
// button pictures. A missing picture shows the red placeholder. A page may come
// as its file instead, checked when the setup was made and decoded when the page
// is first shown (a page is 1.3 MB of pixels that most runs never show).
struct ManualSetup {
  int width = 475;
  int height = 675;
  std::array<PictureRef, 7> pages{};
  std::array<std::filesystem::path, 7> page_files{};  // where pages[n] is null
  std::array<std::string, 7> page_names{};            // as Config.ini names them, for messages
  std::array<PictureRef, kManualButtonCount> buttons{};

  // Page n: its picture, else decoded from its file now, else the placeholder.
  PictureRef page(int n) const;
};

class TManualForm : public QWidget {
  Q_OBJECT

 public:
  explicit TManualForm(const ManualSetup& setup);

  int ManualPage = 1;

  void Vid_Show_Page();
  void Inp_left_down();
  void Inp_left_up();
  void Inp_right_down();
  void Inp_right_up();
  void Inp_esc_down();
  void Inp_esc_up();
  // Windows key codes: Esc 27, left arrow 37, right arrow 39.
  void FormKeyDown(int key_code);
  void FormKeyUp(int key_code);

  bool button_visible(ManualButton b) const { return visible_[b]; }
  // The picture im_page_top shows.
  const PictureRef& page_shown() { return page(page_top_); }
  // Where a button lies in the client area.
  QRect button_box(ManualButton b) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void show_button(ManualButton b, bool visible);
  // Page n, decoded from its file the first time it is wanted.
  const PictureRef& page(int n);
  // The topmost shown button picture at `p`, or -1 for the drag surface.
  int button_at(QPoint p) const;

  ManualSetup pages_;                  // the pages as they arrived, decoded ones kept
  std::array<QImage, 7> page_images_;  // painting views of the decoded pages
  int page_top_ = 1;                   // the page im_page_top shows
  std::array<QImage, kManualButtonCount> button_pictures_;
  std::array<bool, kManualButtonCount> visible_{};
  int pressed_ = -1;  // the normal-look picture holding the mouse, -1 if none
  bool dragging_ = false;
  QPoint drag_point_;
  bool shown_before_ = false;
  KeyCodeTracker keys_;
};

}  // namespace vx
