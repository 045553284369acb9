// Image: a picture on a window.
//  - SetPicture: any QIcon (a pixmap, several pixmaps for several scales, or an
//    icon that draws itself)
//  - SetStretch: true draws the picture over the whole control; false (the default)
//    at the picture's own size from the top-left corner
//  - mouse presses and double clicks go on to the control underneath
#pragma once

#include "Control.h"

#include <QIcon>
#include <QWidget>

namespace platform {

class Image : public Control<QWidget> {
    Q_OBJECT

  public:
    Image(QWidget *parent, const QString &name);

    void SetPicture(const QIcon &picture);
    void SetStretch(bool on);
    bool Stretch() const { return stretch_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QIcon picture_;
    bool stretch_ = false;
};

} // namespace platform
