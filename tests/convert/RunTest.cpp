// The converter run in-process on whole command lines: a day shown in every
// calendar (dates known from published tables and the calendars' worked
// examples), or one line on the error stream naming the fault with status 2.
#include "RunCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace Convert {
namespace {

constexpr int Bad = ExitBadArguments;

struct RunCase {
    std::vector<std::string> args;
    // Whole printed lines or their beginnings, blanks squeezed; or, with
    // status 2, part of the error line.
    std::vector<std::string> lines;
    int status = ExitDone;
};

const RunCase RunCases[] = {
    {{"gregorian", "2000", "1", "1"},
     {"Julian Day 2451545", "Week day Saturday", "Moon age 24.3 days",
      "Calendar Date Year day Week", "Julian calendar 19 December 1999 353/365 51/53",
      "Gregorian calendar 1 January 2000 1/366 1/54",
      "Jewish calendar 23 Tevet 5760 113/385 17/56"}},
    {{"jd", "2451545"}, {"Gregorian calendar 1 January 2000 1/366"}},
    {{"jewish", "5784", "1", "1"}, {"Julian Day 2460204", "Jewish calendar 1 Tishri 5784 1/383"}},
    {{"jewish", "5784", "7", "1"}, {"Jewish calendar 1 Adar II 5784 178/383"}},
    {{"moslem", "1", "1", "1", "--moslem-type=2"}, {"Julian calendar 16 July 622"}},
    {{"--moslem-type", "2", "--moslem-type", "1", "moslem", "1", "1", "1"},
     {"Julian calendar 15 July 622"}},
    {{"moslem", "2452", "12", "30"},
     {"Julian Day 2817345", "Moslem calendar 29 Dhuґl-Hijjah 2452 354/354"}},
    {{"jd", "1721319"},
     {"Julian calendar outside its years 1..3000", "Gregorian calendar outside its years 1..3000",
      "Jewish calendar 1 Tishri 3761 1/", "Moslem calendar outside its years 1..2452"}},
    {{"jd", "2817404"}, {"Jewish calendar 29 Elul 6761"}},
    {{"--first-week-day", "1,1,1,1", "jd", "2451545"},
     {"Gregorian calendar 1 January 2000 1/366 1/53"}},
    {{"jd", "2451545", "--first-week-day=7,1,7,1"},
     {"Gregorian calendar 1 January 2000 1/366 1/53"}},
    {{"1721319", "1721319", "--table"}, {"jd\tweekday\t", "1721319\t"}},
    {{"jd", "x", "--help"}, {"Usage: orvanta-convert"}},
    {{"jd", "x", "--version"}, {"orvanta-convert "}},

    {{}, {"missing arguments"}, Bad},
    {{"jd", "1", "2"}, {"unexpected argument '2'"}, Bad},
    {{"mayan", "1", "1", "1"}, {"unknown command 'mayan'"}, Bad},
    {{"jd", "12x"}, {"Julian Day '12x' is not a whole number"}, Bad},
    {{"julian", "99999999999", "1", "1"}, {"year '99999999999' is too large"}, Bad},
    {{"--frobnicate", "jd", "5"}, {"unknown option '--frobnicate'"}, Bad},
    {{"--moslem-types=1", "jd", "5"}, {"unknown option"}, Bad},
    {{"--moslem-type", "3", "jd", "5"}, {"--moslem-type must be 1 or 2"}, Bad},
    {{"jd", "5", "--moslem-type"}, {"--moslem-type needs a value"}, Bad},
    {{"--first-week-day", "7,7,7,8", "jd", "5"}, {"--first-week-day"}, Bad},
    {{"--table", "1721319"}, {"expected --table FIRST_JD LAST_JD"}, Bad},
    // A number, so past the grammar, but outside the engine's ranges.
    {{"jd", "-9"}, {"Julian Day -9 is outside 1721319..2817404"}, Bad},
    {{"jd", "2817405"}, {"Julian Day 2817405 is outside"}, Bad},
    {{"julian", "0", "12", "31"}, {"year 0 is outside 1..3000 of the Julian calendar"}, Bad},
    {{"gregorian", "3001", "1", "1"}, {"year 3001 is outside 1..3000 of the Gregorian"}, Bad},
    {{"moslem", "1420", "13", "1"}, {"month 13 is outside 1..12 of the Moslem"}, Bad},
    {{"jewish", "5784", "14", "1"}, {"month 14 is outside 1..13 of the Jewish"}, Bad},
    {{"julian", "2000", "1", "0"}, {"day 0 is below 1"}, Bad},
    {{"--table", "2451546", "2451545"}, {"first Julian Day 2451546 is after last"}, Bad},
};

TEST(ConvertRun, AnswersOrNamesTheFault) {
    for (const RunCase &c : RunCases) {
        SCOPED_TRACE(c.lines[0]);
        const Captured result = RunCaptured(c.args);
        EXPECT_EQ(result.status, c.status);
        if (c.status == ExitDone) {
            EXPECT_EQ(result.err, "");
            std::string out = "\n";
            for (char c : result.out) {
                if (c != ' ' || out.back() != ' ') out += c;
            }
            for (const std::string &line : c.lines)
                EXPECT_THAT(out, testing::HasSubstr("\n" + line));
        } else {
            EXPECT_EQ(result.out, "");
            EXPECT_THAT(result.err, testing::MatchesRegex("orvanta-convert: [^\n]+\n"));
            EXPECT_THAT(result.err, testing::HasSubstr(c.lines[0]));
        }
    }
}

TEST(ConvertRun, FullOutputDeviceIsAWriteFailure) {
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE *err = std::tmpfile();
    EXPECT_EQ(Convert::Run({"jd", "2451545"}, full, err), ExitWriteFailed);
    std::fclose(full);
    std::fclose(err);
}

} // namespace
} // namespace Convert
