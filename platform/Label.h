// Label: text on a window or on a picture box.
//  - Caption / SetCaption (CR LF breaks lines; long text wraps at the label's width)
//  - SetAlignment: 0 left, 1 right, 2 centre
//  - SetFontBold, SetFontSize (points), SetForeColor, SetBackColor (packed colours)
//  - SetBackStyle: 0 transparent (the default), 1 opaque in the BackColor
//  - SetBuddy: the control the label names
//  - mouse presses and double clicks go on to the control underneath
#pragma once

#include "Control.h"

#include <QLabel>
#include <cstdint>

namespace platform {

class Label : public Control<QLabel> {
    Q_OBJECT

  public:
    Label(QWidget *parent, const QString &name);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    void SetAlignment(int alignment);
    void SetFontBold(bool bold);
    void SetFontSize(double points);
    void SetForeColor(int32_t packed);
    void SetBackColor(int32_t packed);
    void SetBackStyle(int style);
    // The control this label names, for assistive technology.
    void SetBuddy(QWidget *control) { setBuddy(control); }

  private:
    QString caption_; // as given, CR LF and all
};

} // namespace platform
