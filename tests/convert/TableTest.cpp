// The tab-separated table: its exact header, the fields of known days, the
// "-" outside each calendar's range, and lines that survive the chunking.
#include "RunCapture.h"

#include "tools/convert/Conversion.h"
#include "tools/convert/Table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace Convert {
namespace {

using Fields = std::map<std::string, std::string>;

std::vector<std::string> Split(const std::string &text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

// Each day's line as column name -> value.
std::vector<Fields> ReadTable(const std::string &table) {
    const std::vector<std::string> lines = Split(table, '\n');
    const std::vector<std::string> header = Split(lines.at(0), '\t');
    std::vector<Fields> days;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> values = Split(lines[i], '\t');
        EXPECT_EQ(values.size(), header.size()) << lines[i];
        Fields fields;
        for (size_t k = 0; k < header.size() && k < values.size(); ++k) {
            fields[header[k]] = values[k];
        }
        days.push_back(fields);
    }
    return days;
}

std::string Calendar(const Fields &fields, const std::string &prefix) {
    std::string text;
    for (const char *name :
         {"year", "month", "day", "year_day", "week", "year_days", "year_weeks"}) {
        text += (text.empty() ? "" : " ") + fields.at(prefix + name);
    }
    return text;
}

bool HasSixDecimals(const std::string &number) {
    const size_t point = number.find('.');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return point != std::string::npos && digits(std::string_view(number).substr(0, point)) &&
           number.size() - point - 1 == 6 && digits(std::string_view(number).substr(point + 1));
}

Fields OneDay(const std::vector<std::string> &options, int32_t jd) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {"--table", std::to_string(jd), std::to_string(jd)});
    const Captured result = RunCaptured(args);
    EXPECT_EQ(result.status, 0);
    const std::vector<Fields> days = ReadTable(result.out);
    EXPECT_EQ(days.size(), 1u);
    return days.empty() ? Fields{} : days[0];
}

TEST(ConvertTable, HeaderNamesEveryColumn) {
    const Captured result = RunCaptured({"--table", "2451545", "2451545"});
    EXPECT_EQ(
        Split(result.out, '\n').at(0),
        "jd\tweekday\tmoon_age\tmoon_phase"
        "\tjul_year\tjul_month\tjul_day\tjul_year_day\tjul_week\tjul_year_days\tjul_year_weeks"
        "\tgre_year\tgre_month\tgre_day\tgre_year_day\tgre_week\tgre_year_days\tgre_year_weeks"
        "\tjew_year\tjew_month\tjew_day\tjew_year_day\tjew_week\tjew_year_days\tjew_year_weeks"
        "\tmos_year\tmos_month\tmos_day\tmos_year_day\tmos_week\tmos_year_days\tmos_year_weeks");
}

TEST(ConvertTable, FieldsOfFirstJanuary2000) {
    const Fields day = OneDay({}, 2451545);
    EXPECT_EQ(day.at("jd"), "2451545");
    EXPECT_EQ(day.at("weekday"), "6");
    EXPECT_EQ(day.at("moon_age"), "24.310345");
    EXPECT_EQ(day.at("moon_phase"), "7");
    EXPECT_EQ(Calendar(day, "jul_"), "1999 12 19 353 51 365 53");
    EXPECT_EQ(Calendar(day, "gre_"), "2000 1 1 1 1 366 54");
    EXPECT_EQ(Calendar(day, "jew_"), "5760 4 23 113 17 385 56");
}

struct EdgeCase {
    const char *name;
    std::vector<std::string> options;
    int32_t jd;
    const char *prefix;
    const char *fields;
};

TEST(ConvertTable, DashesExactlyOutsideEachCalendarsRange) {
    const char *dashes = "- - - - - - -";
    const EdgeCase cases[] = {
        {"before Julian 1", {}, 1721423, "jul_", dashes},
        {"Julian 1 January 1", {}, 1721424, "jul_", "1 1 1 1 1 365 53"},
        {"before Gregorian 1", {}, 1721425, "gre_", dashes},
        {"after Gregorian 3000", {}, 2817153, "gre_", dashes},
        {"before Hegira type 1", {}, 1948438, "mos_", dashes},
        {"before Hegira type 2", {"--moslem-type", "2"}, 1948439, "mos_", dashes},
        {"after Moslem 2452 type 1", {}, 2817346, "mos_", dashes},
        {"first Jewish day", {}, 1721319, "jew_", "3761 1 1 1 1 355 52"},
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Calendar(OneDay(c.options, c.jd), c.prefix), c.fields);
    }
}

TEST(ConvertTable, ChunksEndOnWholeLines) {
    StartEngine({});
    const int32_t first = 2400000;
    const int32_t last = first + 20000;
    std::vector<std::string> chunks;
    WriteTable(first, last, [&](std::string_view chunk) { chunks.emplace_back(chunk); });
    ASSERT_GT(chunks.size(), 1u);
    std::string table;
    for (const std::string &chunk : chunks) {
        EXPECT_EQ(chunk.back(), '\n');
        table += chunk;
    }
    const std::vector<Fields> days = ReadTable(table);
    ASSERT_EQ(days.size(), static_cast<size_t>(last - first + 1));
    for (size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].at("jd"), std::to_string(first + static_cast<int32_t>(i)));
        EXPECT_TRUE(HasSixDecimals(days[i].at("moon_age"))) << days[i].at("moon_age");
    }
}

} // namespace
} // namespace Convert
