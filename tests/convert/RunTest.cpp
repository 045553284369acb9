// The converter run in-process on whole command lines: a day shown in every
// calendar (dates known from published tables and the calendars' worked
// examples) or as table lines, or one line on the error stream naming the
// fault with status 2.
#include "tools/convert/Run.h"
#include "tools/convert/Conversion.h"
#include "tools/convert/Table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

using namespace Convert;

constexpr int Bad = ExitBadArguments;

struct RunCase {
    std::vector<std::string_view> args;
    // Whole printed lines or their beginnings, blanks squeezed and tabs read
    // as blanks; or, with status 2, part of the error line.
    std::vector<std::string> lines;
    int status = ExitDone;
};

const RunCase RunCases[] = {
    {{"gregorian", "2000", "1", "1"},
     {"Julian Day 2451545", "Week day Saturday", "Moon age 24.3 days",
      "Calendar Date Year day Week", "Gregorian calendar 1 January 2000 1/366 1/54"}},
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
    // The table: "-" outside each calendar's range, and type 2.
    {{"--table", "1721423", "1721424"},
     {"1721423 5 16.571766 4 - - - - - - - - - - - - - - 3761 4 15 105 16 355 52"
      " - - - - - - -\n",
      "1721424 6 17.571766 5 1 1 1 1 1 365 53 - - - - - - - 3761 4 16 106 16 355 52"
      " - - - - - - -\n"}},
    {{"--moslem-type", "2", "2451545", "2451545", "--table"},
     {"jd weekday ", "2451545 6 24.310345 7 1999 12 19 353 51 365 53 2000 1 1 1 1 366 54"
                     " 5760 4 23 113 17 385 56 1420 9 24 260 38 355 51\n"}},
    {{"jd", "x", "--help"}, {"Usage: orvanta-convert"}},

    {{}, {"missing arguments"}, Bad},
    {{"jd", "1", "2"}, {"unexpected argument '2'"}, Bad},
    {{"jd", "5", "--moslem-type"}, {"--moslem-type needs a value"}, Bad},
    {{"mayan", "1", "1", "1"}, {"unknown command 'mayan'"}, Bad},
    {{"jd", "12x"}, {"Julian Day '12x' is not a whole number"}, Bad},
    {{"--moslem-type", "3", "jd", "5"}, {"--moslem-type must be 1 or 2"}, Bad},
    {{"--first-week-day", "7,7,7,8", "jd", "5"}, {"--first-week-day"}, Bad},
    // A number, so past the grammar, but outside the engine's ranges.
    {{"jd", "-9"}, {"Julian Day -9 is outside 1721319..2817404"}, Bad},
    {{"julian", "0", "12", "31"}, {"year 0 is outside 1..3000 of the Julian calendar"}, Bad},
    {{"moslem", "1420", "13", "1"}, {"month 13 is outside 1..12 of the Moslem"}, Bad},
    {{"jewish", "5784", "14", "1"}, {"month 14 is outside 1..13 of the Jewish"}, Bad},
    {{"julian", "2000", "1", "0"}, {"day 0 is below 1"}, Bad},
    {{"--table", "2451546", "2451545"}, {"first Julian Day 2451546 is after last"}, Bad},
};

TEST(ConvertRun, AnswersOrNamesTheFault) {
    for (const RunCase &c : RunCases) {
        SCOPED_TRACE(c.lines[0]);
        char *text[2] = {};
        size_t size[2] = {};
        std::FILE *out = open_memstream(&text[0], &size[0]);
        std::FILE *err = open_memstream(&text[1], &size[1]);
        EXPECT_EQ(Convert::Run(c.args, out, err), c.status);
        std::fclose(out);
        std::fclose(err);
        const std::string printed(text[0], size[0]), said(text[1], size[1]);
        std::free(text[0]);
        std::free(text[1]);
        if (c.status == ExitDone) {
            EXPECT_EQ(said, "");
            std::string squeezed = "\n";
            for (char c : printed) {
                if (c == '\t') c = ' ';
                if (c != ' ' || squeezed.back() != ' ') squeezed += c;
            }
            for (const std::string &line : c.lines)
                EXPECT_THAT(squeezed, testing::HasSubstr("\n" + line));
        } else {
            EXPECT_EQ(printed, "");
            EXPECT_THAT(said, testing::MatchesRegex("orvanta-convert: [^\n]+\n"));
            EXPECT_THAT(said, testing::HasSubstr(c.lines[0]));
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

TEST(ConvertTable, ChunksEndOnWholeLines) {
    StartEngine({});
    const int32_t first = 2400000;
    const int32_t last = first + 20000;
    std::string table;
    int chunks = 0;
    WriteTable(first, last, [&](std::string_view chunk) {
        EXPECT_EQ(chunk.back(), '\n');
        table += chunk;
        ++chunks;
    });
    EXPECT_GT(chunks, 1);
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line); // the header
    int32_t jd = first;
    for (; std::getline(lines, line); ++jd)
        ASSERT_THAT(line, testing::StartsWith(std::to_string(jd) + "\t"));
    EXPECT_EQ(jd, last + 1);
}

} // namespace
