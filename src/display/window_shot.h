// Pictures of the console window: as the screen shows it, written as PNG whole or
// not at all, and the player's screenshots named by date and time in a folder.
#pragma once

#include <QDateTime>
#include <QPixmap>
#include <filesystem>
#include <string>

class QWidget;

namespace vx {

// The window as the screen shows it where the platform can read the screen back
// (X11), else as it draws itself.
QPixmap window_as_shown(QWidget& window);
// Writes `picture` as a PNG file through an output file; false with `error`
// naming the file.
bool save_png(const QPixmap& picture, const std::filesystem::path& file, std::string& error);
// "vornix-2026-12-09_07-31-05.png" in `folder`; "-2", "-3", ... before the
// extension when that name is taken.
std::filesystem::path screenshot_path(const std::filesystem::path& folder, const QDateTime& at);
// The player's screenshots: the pictures folder of the user (QStandardPaths),
// under a folder of the program's name.
std::filesystem::path screenshot_folder();

}  // namespace vx
