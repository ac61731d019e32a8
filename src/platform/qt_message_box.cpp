#include "platform/qt_message_box.h"

#include <QMessageBox>
#include <QString>

#include "platform/message_box.h"

namespace vx {

void install_qt_error_box() {
  set_error_box([](std::string_view text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
    box.exec();
  });
}

}  // namespace vx
