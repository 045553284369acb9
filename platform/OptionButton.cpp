#include "OptionButton.h"

namespace platform {

OptionButton::OptionButton(QWidget *parent, const QString &name) : Control(parent, name) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit Click();
    });
}

void OptionButton::SetCaption(const QString &caption) {
    // A radio button draws its text on one line; CR LF becomes a line break.
    setText(QString(caption).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

} // namespace platform
