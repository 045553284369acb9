// CheckBox: a switch with the value 0 (off) or 1 (on).
//  - Caption / SetCaption, Value / SetValue
//  - event Click: the value changed, by the user or by SetValue (inside the call)
#pragma once

#include "Control.h"

#include <QCheckBox>

namespace platform {

class CheckBox : public Control<QCheckBox> {
    Q_OBJECT

  public:
    CheckBox(QWidget *parent, const QString &name);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    int Value() const { return isChecked() ? 1 : 0; }
    // Any value other than 0 switches it on.
    void SetValue(int value) { setChecked(value != 0); }

  signals:
    void Click();
};

} // namespace platform
