#include "Table.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <charconv>

namespace Convert {

namespace {

constexpr size_t ChunkSize = 1 << 20;
// Generously above the longest line (about 130 characters).
constexpr size_t MaxLineSize = 256;

constexpr const char *CalendarPrefixes[] = {"jul_", "gre_", "jew_", "mos_"};
constexpr const char *CalendarFields[] = {"year", "month",     "day",       "year_day",
                                          "week", "year_days", "year_weeks"};

char *Number(char *at, int32_t value) {
    *at++ = '\t';
    return std::to_chars(at, at + 12, value).ptr;
}

char *Calendar(char *at, const CalendarFacts &facts) {
    if (!facts.inRange) {
        for (size_t i = 0; i < std::size(CalendarFields); ++i) {
            *at++ = '\t';
            *at++ = '-';
        }
        return at;
    }
    at = Number(at, facts.year);
    at = Number(at, facts.month);
    at = Number(at, facts.day);
    at = Number(at, facts.yearDay);
    at = Number(at, facts.week);
    at = Number(at, facts.yearDays);
    return Number(at, facts.yearWeeks);
}

} // namespace

void AppendTableHeader(std::string &out) {
    out += "jd\tweekday\tmoon_age\tmoon_phase";
    for (const char *prefix : CalendarPrefixes) {
        for (const char *field : CalendarFields) {
            out += '\t';
            out += prefix;
            out += field;
        }
    }
    out += '\n';
}

void AppendTableLine(std::string &out, const DayFacts &facts) {
    char line[MaxLineSize];
    char *at = std::to_chars(line, line + 12, facts.jd).ptr;
    at = Number(at, facts.weekDay);
    *at++ = '\t';
    at = std::to_chars(at, at + 32, facts.moonAge, std::chars_format::fixed, 6).ptr;
    at = Number(at, facts.moonPhase);
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        at = Calendar(at, facts.calendars[cal]);
    }
    *at++ = '\n';
    out.append(line, at);
}

void WriteTable(int32_t firstJD, int32_t lastJD,
                const std::function<void(std::string_view)> &write) {
    std::string chunk;
    chunk.reserve(ChunkSize + MaxLineSize);
    AppendTableHeader(chunk);
    for (int32_t jd = firstJD; jd <= lastJD; ++jd) {
        Calc::CurrentJD = jd;
        ChangeCals::ChangeJD();
        AppendTableLine(chunk, ReadDayFacts());
        if (chunk.size() >= ChunkSize) {
            write(chunk);
            chunk.clear();
        }
    }
    write(chunk);
}

} // namespace Convert
