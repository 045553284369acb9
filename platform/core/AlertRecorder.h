// For tests: AlertRecorder catches every message box and beep while it lives,
// and puts the defaults back when it goes.
#pragma once

#include "platform/core/Alerts.h"

#include <vector>

namespace platform {

class AlertRecorder {
  public:
    struct Message {
        QString Text;
        QString Title;
    };

    AlertRecorder() {
        SetMessageHandler([this](const QString &text, const QString &title) {
            Messages.push_back({text, title});
        });
        SetBeepHandler([this] { ++Beeps; });
    }
    ~AlertRecorder() {
        SetMessageHandler({});
        SetBeepHandler({});
    }
    AlertRecorder(const AlertRecorder &) = delete;
    AlertRecorder &operator=(const AlertRecorder &) = delete;

    std::vector<Message> Messages;
    int Beeps = 0;
};

} // namespace platform
