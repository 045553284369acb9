#include "DayReport.h"

#include "engine/Calc.h"
#include "engine/Texts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Convert {

namespace {

using Row = std::vector<std::string>;

// Characters on the screen, not bytes: month names such as "Sha‘ban" hold
// multi-byte UTF-8.
size_t DisplayWidth(const std::string &text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Left-aligned columns two blanks apart, with no blanks at the end of a line.
void AppendColumns(std::string &out, const std::vector<Row> &rows) {
    std::vector<size_t> widths;
    for (const Row &row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    }
    for (const Row &row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            out += row[i];
            if (i + 1 < row.size()) out.append(widths[i] - DisplayWidth(row[i]) + 2, ' ');
        }
        out += '\n';
    }
}

std::string Fraction(int32_t part, int32_t whole) {
    return std::to_string(part) + "/" + std::to_string(whole);
}

Row CalendarRow(int16_t cal, const CalendarFacts &facts) {
    const std::string &name = Texts::CalendarNames[cal];
    if (!facts.inRange) {
        return {name, "outside its years " + std::to_string(Calc::MinYear[cal]) + ".." +
                          std::to_string(Calc::MaxYear[cal])};
    }
    return {name,
            std::to_string(facts.day) + " " + Texts::MonthNames[cal][facts.month] + " " +
                std::to_string(facts.year),
            Fraction(facts.yearDay, facts.yearDays), Fraction(facts.week, facts.yearWeeks)};
}

std::string MoonAgeText(float age) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f days", static_cast<double>(age));
    return text;
}

} // namespace

std::string FormatDay(const DayFacts &facts) {
    std::string out;
    AppendColumns(out, {
                           {"Julian Day", std::to_string(facts.jd)},
                           {"Week day", Texts::WeekDayNames[facts.weekDay]},
                           {"Moon age", MoonAgeText(facts.moonAge)},
                       });
    out += '\n';
    std::vector<Row> rows{{"Calendar", "Date", "Year day", "Week"}};
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        rows.push_back(CalendarRow(cal, facts.calendars[cal]));
    }
    AppendColumns(out, rows);
    return out;
}

} // namespace Convert
