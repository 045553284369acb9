#include "monthly/FieldTexts.h"

#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/Texts.h"
#include "frame/MoonAgeText.h"

#include <QLocale>

namespace Monthly {

QString CountItem(int32_t n, int32_t total) {
    return QString::number(n) + '/' + QString::number(total);
}

QString MonthItem(int32_t month, int32_t months, const QString &name) {
    return CountItem(month, months) + "  " + name;
}

int32_t MonthsInYear(int16_t cal) {
    return cal == Calc::Jewish && Calc::JewishLeap ? 13 : 12;
}

QString MonthItemOf(int16_t cal, int32_t month) {
    // A calendar past its range may describe no month: the item then has no name.
    const bool named = month >= 1 && month <= 13;
    return MonthItem(month, MonthsInYear(cal),
                     named ? QString::fromStdString(Texts::MonthNames[cal][month]) : QString());
}

QString MoonAgeText(float age) {
    QString text = Frame::MoonAgeTenths(age);
    if (text.endsWith(QStringLiteral(".0"))) text.chop(2);
    return text;
}

double Val(const QString &text) {
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    const qsizetype start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    qsizetype mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return 0;
    qsizetype end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (digits() > 0) end = i;
    }
    return s.mid(start, end - start).toDouble();
}

float MyVal(const QString &text) {
    if (!text.contains(',')) return static_cast<float>(Val(text));
    bool ok = false;
    const float value = QLocale().toFloat(text.trimmed(), &ok);
    return ok ? value : 0.0f;
}

bool IsJulianDayText(const QString &text) {
    for (const QChar c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::optional<int32_t> AdmissibleJulianDay(const QString &text) {
    const double day = Val(text);
    if (day < Calc::MinJD[Calc::Jewish] || day > Calc::MaxJD[Calc::Jewish]) return std::nullopt;
    return ToLong(day);
}

int32_t ToLong(double x) {
    return static_cast<int32_t>(Calc::Arith::ToNearest(x));
}

} // namespace Monthly
