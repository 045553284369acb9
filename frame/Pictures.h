// Pictures for buttons and images, sharp on ordinary and high-density screens alike.
//  - SharpPicture(draw): an icon holding what draw paints at the pixel ratios 1 and 2
#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

namespace Start {

QIcon SharpPicture(const std::function<QPixmap(qreal ratio)> &draw);

} // namespace Start
