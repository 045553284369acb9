// Message boxes and beeps, as seams:
// - MsgBox(text, title): an exclamation message with an OK button
// - Beep(): the system's warning sound
// - SetMessageHandler / SetBeepHandler: the widget layer installs the real
//   message box and beep; tests install recorders. An empty handler brings
//   back the default (a line on stderr for a message, silence for a beep),
//   so that code without a window system never blocks on a dialog.
#pragma once

#include <QString>
#include <functional>

namespace platform {

using MessageHandler = std::function<void(const QString &text, const QString &title)>;

void MsgBox(const QString &text, const QString &title);
void Beep();
void SetMessageHandler(MessageHandler handler);
void SetBeepHandler(std::function<void()> handler);

} // namespace platform
