// Input the engine does not accept: one line on the error stream, nothing on
// the output, exit status 2.
#include "RunCapture.h"

#include "tools/convert/Run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace Convert {
namespace {

struct RejectCase {
    const char *name;
    std::vector<std::string> args;
    const char *message;
};

TEST(ConvertRejects, InputOutsideTheEnginesRanges) {
    const RejectCase cases[] = {
        {"Julian Day too small",
         {"jd", "1721318"},
         "Julian Day 1721318 is outside 1721319..2817404"},
        {"Julian Day too large", {"jd", "2817405"}, "Julian Day 2817405 is outside"},
        {"Julian year 0",
         {"julian", "0", "12", "31"},
         "year 0 is outside 1..3000 of the Julian calendar"},
        {"Gregorian year 3001",
         {"gregorian", "3001", "1", "1"},
         "year 3001 is outside 1..3000 of the Gregorian calendar"},
        {"Jewish year 3760",
         {"jewish", "3760", "13", "29"},
         "year 3760 is outside 3761..6761 of the Jewish calendar"},
        {"Moslem year 0",
         {"moslem", "0", "12", "29"},
         "year 0 is outside 1..2452 of the Moslem calendar"},
        {"Moslem year 2453 type 2",
         {"--moslem-type", "2", "moslem", "2453", "1", "1"},
         "year 2453 is outside 1..2452"},
        {"Moslem month 13",
         {"moslem", "1420", "13", "1"},
         "month 13 is outside 1..12 of the Moslem calendar"},
        {"Jewish month 14",
         {"jewish", "5784", "14", "1"},
         "month 14 is outside 1..13 of the Jewish calendar"},
        {"day 0", {"julian", "2000", "1", "0"}, "day 0 is below 1"},
        {"table reversed",
         {"--table", "2451546", "2451545"},
         "first Julian Day 2451546 is after last Julian Day 2451545"},
        {"table ends too late",
         {"--table", "2817400", "2817405"},
         "last Julian Day 2817405 is outside"},
        {"syntax", {"jd", "12x"}, "Julian Day '12x' is not a whole number"},
    };
    for (const RejectCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Captured result = RunCaptured(c.args);
        EXPECT_EQ(result.status, ExitBadArguments);
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, testing::StartsWith("orvanta-convert: "));
        EXPECT_THAT(result.err, testing::HasSubstr(c.message));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
        EXPECT_EQ(result.err.back(), '\n');
    }
}

TEST(ConvertRejects, FullOutputDeviceIsAWriteFailure) {
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE *err = std::tmpfile();
    EXPECT_EQ(Convert::Run({"jd", "2451545"}, full, err), ExitWriteFailed);
    std::fclose(full);
    std::fclose(err);
}

TEST(ConvertRejects, HelpIsNoError) {
    const Captured result = RunCaptured({"--help"});
    EXPECT_EQ(result.status, ExitDone);
    EXPECT_THAT(result.out, testing::StartsWith("Usage: orvanta-convert"));
    EXPECT_EQ(result.err, "");
}

} // namespace
} // namespace Convert
