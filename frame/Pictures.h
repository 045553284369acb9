// Pictures for buttons and images, sharp on ordinary and high-density screens alike.
//  - SharpPicture(draw): an icon of what draw paints at the pixel ratios 1 and 2,
//    each drawn the first time a screen asks for it
#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

namespace Start {

QIcon SharpPicture(const std::function<QPixmap(qreal ratio)> &draw);

} // namespace Start
