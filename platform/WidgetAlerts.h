// WidgetAlerts: the real message box and beep behind the alert seams.
//  - InstallWidgetAlerts: from then on MsgBox shows a message box with an exclamation
//    icon, an OK button and the given title, and waits for it; Beep rings the bell
#pragma once

namespace platform {

void InstallWidgetAlerts();

} // namespace platform
