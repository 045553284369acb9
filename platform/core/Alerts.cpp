#include "platform/core/Alerts.h"

#include <cstdio>

namespace platform {

namespace {

void WriteToStderr(const QString &text, const QString &title) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

MessageHandler &CurrentMessageHandler() {
    static MessageHandler handler = WriteToStderr;
    return handler;
}

std::function<void()> &CurrentBeepHandler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

void MsgBox(const QString &text, const QString &title) {
    CurrentMessageHandler()(text, title);
}

void Beep() {
    if (CurrentBeepHandler()) CurrentBeepHandler()();
}

void SetMessageHandler(MessageHandler handler) {
    CurrentMessageHandler() = handler ? std::move(handler) : MessageHandler(WriteToStderr);
}

void SetBeepHandler(std::function<void()> handler) {
    CurrentBeepHandler() = std::move(handler);
}

} // namespace platform
