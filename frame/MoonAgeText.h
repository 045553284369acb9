// The moon's age as every window writes it.
//  - MoonAgeTenths(age): to a tenth of a day, half-tenths away from zero, "." as
//    the decimal sign whatever the locale ("14.0", "12.3"); the monthly window's
//    field cuts a ".0" from it, the moon window shows it whole
#pragma once

#include <QString>

namespace Frame {

QString MoonAgeTenths(float age);

} // namespace Frame
