#include "platform/shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

#include "platform/data_folder.h"

namespace vx {
namespace {
ShellOpen& installed() {
  static ShellOpen open;
  return open;
}
}  // namespace

void shell_open(std::string_view document) {
  if (installed()) {
    installed()(document);
    return;
  }
  const QString text = QString::fromUtf8(document.data(), static_cast<qsizetype>(document.size()));
  const bool address = text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("mailto:"));
  const QUrl url = address ? QUrl(text)
                           : QUrl::fromLocalFile(QString::fromStdString(
                                 std::filesystem::absolute(resolve_path(document)).string()));
  (void)QDesktopServices::openUrl(url);
}

void set_shell_open(ShellOpen open) { installed() = std::move(open); }

}  // namespace vx
