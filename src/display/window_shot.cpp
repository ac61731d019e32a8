#include "display/window_shot.h"

#include <QBuffer>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "platform/output_file.h"

namespace vx {

QPixmap window_as_shown(QWidget& window) {
  QPixmap shot;
  if (QScreen* screen = window.screen())
    shot = screen->grabWindow(0, window.x(), window.y(), window.width(), window.height());
  if (shot.isNull() || shot.size() != window.size()) shot = window.grab();
  return shot;
}

bool save_png(const QPixmap& picture, const std::filesystem::path& file, std::string& error) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.save(&buffer, "PNG")) {
    error = file.string() + ": the screenshot cannot be made";
    return false;
  }
  return write_output_file(file, std::string_view(png.constData(), static_cast<std::size_t>(png.size())), error);
}

std::filesystem::path screenshot_path(const std::filesystem::path& folder, const QDateTime& at) {
  const std::string stem = "vornix-" + at.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")).toStdString();
  std::filesystem::path file = folder / (stem + ".png");
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(file, ec); ++n) file = folder / (stem + "-" + std::to_string(n) + ".png");
  return file;
}

std::filesystem::path screenshot_folder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return std::filesystem::path(pictures.toStdString()) / "vornix-simulator";
}

}  // namespace vx
