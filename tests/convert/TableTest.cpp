// The tab-separated table: its header, whole lines of known days with "-"
// outside each calendar's range, and lines that survive the chunking.
#include "RunCapture.h"

#include "tools/convert/Conversion.h"
#include "tools/convert/Table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace Convert {
namespace {

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::string Tabbed(std::string fields) {
    std::replace(fields.begin(), fields.end(), ' ', '\t');
    return fields;
}

TEST(ConvertTable, KnownDaysLineByLine) {
    const Captured result = RunCaptured({"--table", "1721423", "1721424"});
    const Captured type2 = RunCaptured({"--moslem-type", "2", "--table", "2451545", "2451545"});
    const std::vector<std::string> expected = {
        Tabbed("jd weekday moon_age moon_phase"
               " jul_year jul_month jul_day jul_year_day jul_week jul_year_days jul_year_weeks"
               " gre_year gre_month gre_day gre_year_day gre_week gre_year_days gre_year_weeks"
               " jew_year jew_month jew_day jew_year_day jew_week jew_year_days jew_year_weeks"
               " mos_year mos_month mos_day mos_year_day mos_week mos_year_days mos_year_weeks"),
        Tabbed("1721423 5 16.571766 4 - - - - - - - - - - - - - - 3761 4 15 105 16 355 52"
               " - - - - - - -"),
        Tabbed("1721424 6 17.571766 5 1 1 1 1 1 365 53 - - - - - - - 3761 4 16 106 16 355 52"
               " - - - - - - -"),
    };
    EXPECT_EQ(Lines(result.out), expected);
    EXPECT_EQ(Lines(type2.out).at(1),
              Tabbed("2451545 6 24.310345 7 1999 12 19 353 51 365 53 2000 1 1 1 1 366 54"
                     " 5760 4 23 113 17 385 56 1420 9 24 260 38 355 51"));
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
    const std::vector<std::string> lines = Lines(table);
    ASSERT_EQ(lines.size(), static_cast<size_t>(last - first + 2));
    for (int32_t jd = first; jd <= last; ++jd) {
        EXPECT_THAT(lines[static_cast<size_t>(jd - first + 1)],
                    testing::StartsWith(std::to_string(jd) + "\t"));
    }
}

} // namespace
} // namespace Convert
