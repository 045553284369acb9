#include "OptionButton.h"

namespace platform {

OptionButton::OptionButton(QWidget *parent, const QString &name) : Control(parent, name) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit Click();
    });
}

void OptionButton::SetCaption(const QString &caption) {
    caption_ = caption;
    setText(WithLineBreaks(caption));
}

} // namespace platform
