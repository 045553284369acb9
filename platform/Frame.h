// Frame: a captioned group box that holds other controls.
//  - Caption / SetCaption; controls created with the frame as parent sit inside it,
//    their Left/Top counted from the frame's corner
#pragma once

#include "Control.h"

#include <QGroupBox>

namespace platform {

class Frame : public Control<QGroupBox> {
    Q_OBJECT

  public:
    Frame(QWidget *parent, const QString &name) : Control(parent, name) {}

    QString Caption() const { return title(); }
    void SetCaption(const QString &caption) { setTitle(caption); }
};

} // namespace platform
