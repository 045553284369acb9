// YearItems(cal): every year of a calendar, first to last, as the year lists show them.
// The monthly window's year fields and the year windows' lists are filled with it.
#pragma once

#include <QStringList>
#include <cstdint>

namespace Start {

QStringList YearItems(int16_t cal);

} // namespace Start
