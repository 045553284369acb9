// The texts of the monthly window's fields, and the numbers read back from them.
//  - CountItem(n, total): "45/366", "7/53"
//  - MonthItem(month, months, name): "1/12  January" (two blanks before the name)
//  - MonthsInYear(cal): 12, or 13 for a Jewish leap year (as the engine's tables
//    stand); MonthItemOf(cal, month): the month item of that calendar's current year
//  - MoonAgeText(age): the moon age's text (Frame::MoonAgeTenths), a ".0" cut ("14", "12.3")
//  - Val(text): the leading number of a text, "." as decimal sign, 0 when there is
//    none ("45/366" reads 45)
//  - MyVal(text): Val, except that a text with "," is read by the locale's rules
//  - IsJulianDayText(text): what the Julian Day field lets through while typing:
//    nothing, or decimal digits only
//  - AdmissibleJulianDay(text): the day a Julian Day text names when it lies in the
//    program's range (the Jewish calendar's), checked on the number as typed, however
//    long; nothing otherwise (an empty text counts as 0)
//  - ToLong(x): the nearest whole number, ties to the even one
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace Monthly {

QString CountItem(int32_t n, int32_t total);
QString MonthItem(int32_t month, int32_t months, const QString &name);
int32_t MonthsInYear(int16_t cal);
QString MonthItemOf(int16_t cal, int32_t month);
QString MoonAgeText(float age);

double Val(const QString &text);
float MyVal(const QString &text);
bool IsJulianDayText(const QString &text);
std::optional<int32_t> AdmissibleJulianDay(const QString &text);
int32_t ToLong(double x);

} // namespace Monthly
