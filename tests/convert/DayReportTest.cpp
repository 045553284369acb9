// One day through the whole converter, checked on dates whose conversions are
// known from published tables and from the worked examples of the calendars.
#include "RunCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace Convert {
namespace {

struct DayCase {
    const char *name;
    std::vector<std::string> args;
    // Beginnings of printed lines, blanks squeezed.
    std::vector<std::string> lines;
};

TEST(ConvertDay, PrintsTheDayInEveryCalendar) {
    const DayCase cases[] = {
        {"first day of 2000",
         {"gregorian", "2000", "1", "1"},
         {"Julian Day 2451545", "Week day Saturday", "Moon age 24.3 days",
          "Calendar Date Year day Week", "Julian calendar 19 December 1999 353/365 51/53",
          "Gregorian calendar 1 January 2000 1/366 1/54",
          "Jewish calendar 23 Tevet 5760 113/385 17/56"}},
        {"same day by Julian Day", {"jd", "2451545"}, {"Gregorian calendar 1 January 2000 1/366"}},
        {"31 February clamped",
         {"julian", "2001", "2", "31"},
         {"Julian Day 2451982", "Julian calendar 28 February 2001 59/365 9/53"}},
        {"Rosh Hashanah 5784",
         {"jewish", "5784", "1", "1"},
         {"Julian Day 2460204", "Jewish calendar 1 Tishri 5784 1/383"}},
        {"30 Adar I", {"jewish", "5784", "6", "30"}, {"Jewish calendar 30 Adar I 5784 177/383"}},
        {"1 Adar II", {"jewish", "5784", "7", "1"}, {"Jewish calendar 1 Adar II 5784 178/383"}},
        {"Elul of a leap year is month 13",
         {"jewish", "5784", "13", "30"},
         {"Julian Day 2460586", "Jewish calendar 29 Elul 5784 383/383"}},
        {"Hegira type 1",
         {"moslem", "1", "1", "1"},
         {"Julian Day 1948439", "Moslem calendar 1 Muharram 1 1/354"}},
        {"Hegira type 2",
         {"--moslem-type", "2", "moslem", "1", "1", "1"},
         {"Julian Day 1948440", "Julian calendar 16 July 622"}},
        {"last Moslem day type 1",
         {"moslem", "2452", "12", "30"},
         {"Julian Day 2817345", "Moslem calendar 29 Dhuґl-Hijjah 2452 354/354"}},
        {"first accepted day",
         {"jewish", "3761", "1", "1"},
         {"Julian Day 1721319", "Julian calendar outside its years 1..3000",
          "Gregorian calendar outside its years 1..3000", "Jewish calendar 1 Tishri 3761 1/",
          "Moslem calendar outside its years 1..2452"}},
        {"first Julian day",
         {"julian", "1", "1", "1"},
         {"Julian Day 1721424", "Julian calendar 1 January 1 1/365",
          "Gregorian calendar outside its years 1..3000"}},
        {"weeks from Monday",
         {"--first-week-day", "1,1,1,1", "jd", "2451545"},
         {"Gregorian calendar 1 January 2000 1/366 1/53"}},
    };
    for (const DayCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Captured result = RunCaptured(c.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const std::vector<std::string> printed = SqueezedLines(result.out);
        for (const std::string &line : c.lines) {
            EXPECT_THAT(printed, testing::Contains(testing::StartsWith(line)));
        }
    }
}

} // namespace
} // namespace Convert
