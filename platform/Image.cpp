#include "Image.h"

#include <QPainter>

namespace platform {

Image::Image(QWidget *parent, const QString &name) : Control(parent, name) {}

void Image::SetPicture(const QIcon &picture) {
    picture_ = picture;
    update();
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void Image::paintEvent(QPaintEvent *) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (!stretch_) {
        picture_.paint(&painter, QRect(QPoint(), picture_.actualSize(size())));
        return;
    }
    // QIcon never draws a pixmap larger than it has; stretching may need to.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_.pixmap(size(), devicePixelRatioF()));
}

} // namespace platform
