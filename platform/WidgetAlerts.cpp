#include "WidgetAlerts.h"

#include "core/Alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void InstallWidgetAlerts() {
    SetMessageHandler([](const QString &text, const QString &title) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
        box.exec();
    });
    SetBeepHandler([] { QApplication::beep(); });
}

} // namespace platform
