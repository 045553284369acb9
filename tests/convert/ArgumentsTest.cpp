// The command line's words and option values, before any engine range check.
#include "tools/convert/Arguments.h"
#include "tools/convert/UsageError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace Convert {
namespace {

using testing::HasSubstr;

struct Accepted {
    const char *name;
    std::vector<std::string_view> args;
    Request expected;
};

Request Asking(Command command) {
    Request request;
    request.command = command;
    return request;
}

Request DayByJD(int32_t jd) {
    Request request;
    request.command = Command::Day;
    request.jd = jd;
    return request;
}

Request DayByDate(int16_t calendar, int32_t year, int32_t month, int32_t day) {
    Request request;
    request.command = Command::Day;
    request.calendar = calendar;
    request.year = year;
    request.month = month;
    request.day = day;
    return request;
}

Request Table(int32_t first, int32_t last) {
    Request request;
    request.command = Command::Table;
    request.firstJD = first;
    request.lastJD = last;
    return request;
}

Request WithSettings(Request request, int16_t moslemType, std::array<int16_t, 4> firstWeekDay) {
    request.settings = {moslemType, firstWeekDay};
    return request;
}

TEST(ConvertArguments, AcceptsEachForm) {
    const Accepted cases[] = {
        {"jd", {"jd", "2451545"}, DayByJD(2451545)},
        {"julian", {"julian", "1999", "12", "19"}, DayByDate(1, 1999, 12, 19)},
        {"jewish month 13", {"jewish", "5784", "13", "29"}, DayByDate(3, 5784, 13, 29)},
        {"table", {"--table", "1721319", "1721320"}, Table(1721319, 1721320)},
        {"table flag after its numbers",
         {"1721319", "1721320", "--table"},
         Table(1721319, 1721320)},
        {"options before",
         {"--moslem-type", "2", "--first-week-day", "1,2,3,4", "jd", "5"},
         WithSettings(DayByJD(5), 2, {1, 2, 3, 4})},
        {"options with equals after",
         {"jd", "5", "--moslem-type=2", "--first-week-day=7,1,7,1"},
         WithSettings(DayByJD(5), 2, {7, 1, 7, 1})},
        {"last option wins",
         {"--moslem-type", "2", "--moslem-type", "1", "jd", "5"},
         WithSettings(DayByJD(5), 1, {7, 7, 7, 6})},
        // Out of range, but a number: the engine's ranges reject it later.
        {"negative number", {"jd", "-5"}, DayByJD(-5)},
        {"help wins", {"jd", "x", "--help"}, Request{}},
        {"short help", {"-h"}, Request{}},
        {"version wins", {"jd", "x", "--version"}, Asking(Command::Version)},
    };
    for (const Accepted &c : cases) {
        SCOPED_TRACE(c.name);
        const Request request = ParseArguments(c.args);
        EXPECT_EQ(request.command, c.expected.command);
        EXPECT_EQ(request.calendar, c.expected.calendar);
        EXPECT_EQ(request.jd, c.expected.jd);
        EXPECT_EQ(request.year, c.expected.year);
        EXPECT_EQ(request.month, c.expected.month);
        EXPECT_EQ(request.day, c.expected.day);
        EXPECT_EQ(request.firstJD, c.expected.firstJD);
        EXPECT_EQ(request.lastJD, c.expected.lastJD);
        EXPECT_EQ(request.settings.moslemType, c.expected.settings.moslemType);
        EXPECT_EQ(request.settings.firstWeekDay, c.expected.settings.firstWeekDay);
    }
}

struct Rejected {
    const char *name;
    std::vector<std::string_view> args;
    const char *message;
};

TEST(ConvertArguments, RejectsWithAMessageNamingTheFault) {
    const Rejected cases[] = {
        {"nothing", {}, "missing arguments"},
        {"jd without number", {"jd"}, "missing arguments: expected jd JULIAN_DAY"},
        {"date without day", {"julian", "2000", "1"}, "missing arguments"},
        {"extra word", {"jd", "1", "2"}, "unexpected argument '2'"},
        {"unknown calendar", {"mayan", "1", "1", "1"}, "unknown command 'mayan'"},
        {"trailing garbage", {"jd", "12x"}, "Julian Day '12x' is not a whole number"},
        {"empty", {"jd", ""}, "Julian Day '' is not a whole number"},
        {"fraction", {"gregorian", "2000", "1.5", "1"}, "month '1.5' is not a whole number"},
        {"overflow", {"julian", "99999999999", "1", "1"}, "year '99999999999' is too large"},
        {"unknown option", {"--frobnicate", "jd", "5"}, "unknown option '--frobnicate'"},
        {"option with a near name", {"--moslem-types=1", "jd", "5"}, "unknown option"},
        {"moslem type 3", {"--moslem-type", "3", "jd", "5"}, "--moslem-type must be 1 or 2"},
        {"moslem type missing", {"jd", "5", "--moslem-type"}, "--moslem-type needs a value"},
        {"three week days", {"--first-week-day", "7,7,7", "jd", "5"}, "--first-week-day needs"},
        {"week day 8", {"--first-week-day", "7,7,7,8", "jd", "5"}, "--first-week-day"},
        {"empty week day", {"--first-week-day", "7,,7,6", "jd", "5"}, "--first-week-day"},
        {"table with one number", {"--table", "1721319"}, "expected --table FIRST_JD LAST_JD"},
        {"table with a word", {"--table", "1721319", "x"}, "last Julian Day 'x'"},
    };
    for (const Rejected &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseArguments(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError &error) {
            EXPECT_THAT(error.what(), HasSubstr(c.message));
        }
    }
}

} // namespace
} // namespace Convert
