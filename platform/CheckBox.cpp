#include "CheckBox.h"

namespace platform {

CheckBox::CheckBox(QWidget *parent, const QString &name) : Control(parent, name) {
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

} // namespace platform
