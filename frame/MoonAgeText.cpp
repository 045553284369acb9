#include "frame/MoonAgeText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Frame {

QString MoonAgeTenths(float age) {
    // A float times 10 is exact in a double, so the half-tenths round away from
    // zero as the "0.0" pattern does, not to whatever the binary value leans to.
    const auto tenths = static_cast<int64_t>(std::round(static_cast<double>(age) * 10.0));
    return QString::number(tenths / 10) + '.' + QString::number(std::abs(tenths % 10));
}

} // namespace Frame
