// OptionButton: one of a group of mutually exclusive choices (the group is the
// buttons sharing a parent).
//  - Caption / SetCaption (CR LF breaks lines)
//  - Value / SetValue: setting true selects it and clears the others of the group
//  - event Click: the button became selected, by the user or by SetValue(true),
//    raised inside the call
#pragma once

#include "Control.h"

#include <QRadioButton>

namespace platform {

class OptionButton : public Control<QRadioButton> {
    Q_OBJECT

  public:
    OptionButton(QWidget *parent, const QString &name);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    bool Value() const { return isChecked(); }
    void SetValue(bool on) { setChecked(on); }

  signals:
    void Click();

  private:
    QString caption_; // as given, CR LF and all
};

} // namespace platform
