#include "frame/Pictures.h"

namespace Start {

QIcon SharpPicture(const std::function<QPixmap(qreal ratio)> &draw) {
    QIcon picture;
    for (const qreal ratio : {1.0, 2.0})
        picture.addPixmap(draw(ratio));
    return picture;
}

} // namespace Start
