#include "frame/SettingsTable.h"

#include "engine/Calc.h"
#include "frame/AppState.h"
#include "platform/core/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StoredSettings : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        platform::SetSettingsFile(folder_.filePath("Orvanta.conf"));
        Start::ResetState();
        Calc::Reset();
    }
    void TearDown() override { platform::SetSettingsFile({}); }

    QTemporaryDir folder_;
};

TEST_F(StoredSettings, EmptyStoreGivesEveryDefault) {
    Start::ReadSettings();
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(Start::ColumnCals[column], column);
    EXPECT_EQ(Calc::FirstWeekDay[1], 7);
    EXPECT_EQ(Calc::FirstWeekDay[2], 7);
    EXPECT_EQ(Calc::FirstWeekDay[3], 7);
    EXPECT_EQ(Calc::FirstWeekDay[4], 6);
    for (int window = 1; window <= 6; ++window) {
        EXPECT_EQ(Start::WinTop[window], 32737);
        EXPECT_EQ(Start::WinLeft[window], 32737);
    }
    EXPECT_EQ(Calc::MoslemType, 1);
    EXPECT_EQ(Start::StartupWindow, 0);
    EXPECT_EQ(Start::LanguageName, "English (Default)");
    EXPECT_EQ(Start::ShowTips, 1);
}

TEST_F(StoredSettings, WritesUseTheStoresSectionsAndKeys) {
    const Start::StoredOptions options{2, {0, 1, 2, 3, 4}, "Deutsch", 3, 0};
    const int replacements = platform::SettingsFileReplacements();
    Start::WriteOptions(options);
    for (int window = 1; window <= 6; ++window) {
        Start::WinTop[window] = static_cast<int16_t>(-100 * window);
        Start::WinLeft[window] = static_cast<int16_t>(100 * window);
    }
    Start::WriteWindowPositions();
    for (int column = 1; column <= 4; ++column)
        Start::ColumnCals[column] = 5 - column;
    Start::WriteColumnCals();
    // The exit once rewrote a large store twelve times and froze for a minute.
    EXPECT_EQ(platform::SettingsFileReplacements(), replacements + 3);

    const auto stored = [](const char *section, const char *key) {
        return platform::ReadSetting(section, key, "absent");
    };
    EXPECT_EQ(stored("Moslem", "Type"), "2");
    EXPECT_EQ(stored("Julian", "FirstWeekDay"), "1");
    EXPECT_EQ(stored("Gregorian", "FirstWeekDay"), "2");
    EXPECT_EQ(stored("Jewish", "FirstWeekDay"), "3");
    EXPECT_EQ(stored("Moslem", "FirstWeekDay"), "4");
    EXPECT_EQ(stored("Startup", "Language"), "Deutsch");
    EXPECT_EQ(stored("Startup", "Window"), "3");
    EXPECT_EQ(stored("Startup", "ShowTips"), "0");
    const char *sections[] = {"", "Julian", "Gregorian", "Jewish", "Moslem", "Monthly", "Moon"};
    for (int window = 1; window <= 6; ++window) {
        EXPECT_EQ(stored(sections[window], "Top"), QString::number(-100 * window));
        EXPECT_EQ(stored(sections[window], "Left"), QString::number(100 * window));
    }
    EXPECT_EQ(stored("Startup", "Calendar1"), "4");
    EXPECT_EQ(stored("Startup", "Calendar4"), "1");
}

TEST_F(StoredSettings, WhatIsWrittenIsReadBack) {
    Start::WriteOptions({2, {0, 1, 3, 5, 7}, "Français", 4, 1});
    const int16_t tops[] = {0, -32768, 0, 1440, 32767, 32737, -1};
    for (int window = 1; window <= 6; ++window) {
        Start::WinTop[window] = tops[window];
        Start::WinLeft[window] = static_cast<int16_t>(window);
    }
    Start::WriteWindowPositions();
    const int16_t columns[] = {0, 3, 1, 4, 2};
    std::copy(std::begin(columns), std::end(columns), Start::ColumnCals);
    Start::WriteColumnCals();

    Start::ResetState();
    Calc::Reset();
    Start::ReadSettings();

    EXPECT_EQ(Calc::MoslemType, 2);
    EXPECT_EQ(Calc::FirstWeekDay[1], 1);
    EXPECT_EQ(Calc::FirstWeekDay[2], 3);
    EXPECT_EQ(Calc::FirstWeekDay[3], 5);
    EXPECT_EQ(Calc::FirstWeekDay[4], 7);
    EXPECT_EQ(Start::LanguageName, "Français");
    EXPECT_EQ(Start::StartupWindow, 4);
    EXPECT_EQ(Start::ShowTips, 1);
    for (int window = 1; window <= 6; ++window) {
        EXPECT_EQ(Start::WinTop[window], tops[window]);
        EXPECT_EQ(Start::WinLeft[window], window);
    }
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(Start::ColumnCals[column], columns[column]);
}

TEST_F(StoredSettings, StartUpClearsWhatAKilledWriteLeft) {
    platform::WriteSetting("Moon", "Top", "5");
    QFile left(folder_.filePath("Orvanta.conf.x7Yq2Z"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    Start::ReadSettings();
    EXPECT_FALSE(left.exists());
    EXPECT_EQ(Start::WinTop[Start::MoonWindowIndex], 5);
}

struct StoredCase {
    const char *name;
    const char *section;
    const char *key;
    const char *stored;
    int16_t expected;
    const int16_t *variable;
};

StoredCase MoonTop(const char *name, const char *stored, int16_t expected) {
    return {name, "Moon", "Top", stored, expected, &Start::WinTop[Start::MoonWindowIndex]};
}

void PrintTo(const StoredCase &c, std::ostream *os) {
    *os << c.name;
}

class StoredNumbers : public StoredSettings, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredNumbers, ReadAs) {
    platform::WriteSetting(GetParam().section, GetParam().key, GetParam().stored);
    Start::ReadSettings();
    EXPECT_EQ(*GetParam().variable, GetParam().expected);
}

// One row per rule of the number grammar; each row alone catches a fault of its rule.
INSTANTIATE_TEST_SUITE_P(
    Positions, StoredNumbers,
    testing::Values(MoonTop("SignAndBlanks", " -12 ", -12), MoonTop("HalfUpToEven", "3.5", 4),
                    MoonTop("HalfDownToEven", "2.5", 2), MoonTop("NegativeHalfToEven", "-2.5", -2),
                    MoonTop("AboveHalf", "2.5000001", 3), MoonTop("NoIntegerPart", ".6", 1),
                    MoonTop("Lowest", "-32768", -32768),
                    MoonTop("RoundsAboveHighest", "32767.5", 32737),
                    MoonTop("Huge", "99999999999999999999", 32737),
                    MoonTop("TrailingLetters", "12abc", 32737), MoonTop("Empty", "", 32737),
                    MoonTop("OtherDigits", "\xD9\xA1\xD9\xA2", 32737)),
    [](const testing::TestParamInfo<StoredCase> &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Options, StoredNumbers,
    testing::Values(
        StoredCase{"WeekDayZero", "Julian", "FirstWeekDay", "0", 7, &Calc::FirstWeekDay[1]},
        StoredCase{"WeekDayEight", "Julian", "FirstWeekDay", "8", 7, &Calc::FirstWeekDay[1]},
        StoredCase{"WeekDayRoundsOutside", "Moslem", "FirstWeekDay", "7.5", 6,
                   &Calc::FirstWeekDay[4]},
        StoredCase{"NoSuchWindow", "Startup", "Window", "5", 0, &Start::StartupWindow},
        StoredCase{"NegativeWindow", "Startup", "Window", "-1", 0, &Start::StartupWindow},
        StoredCase{"TipsNotANumber", "Startup", "ShowTips", "yes", 1, &Start::ShowTips}),
    [](const testing::TestParamInfo<StoredCase> &info) { return info.param.name; });

struct ColumnsCase {
    const char *name;
    const char *stored[5];
    int16_t expected[5];
};

void PrintTo(const ColumnsCase &c, std::ostream *os) {
    *os << c.name;
}

class StoredColumns : public StoredSettings, public testing::WithParamInterface<ColumnsCase> {};

TEST_P(StoredColumns, ReadAs) {
    for (int column = 1; column <= 4; ++column)
        platform::WriteSetting("Startup", QStringLiteral("Calendar%1").arg(column),
                               GetParam().stored[column]);
    Start::ReadSettings();
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(Start::ColumnCals[column], GetParam().expected[column]) << "column " << column;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, StoredColumns,
    testing::Values(ColumnsCase{"Rotated", {"", "2", "3", "4", "1"}, {0, 2, 3, 4, 1}},
                    ColumnsCase{"Repeated", {"", "1", "1", "3", "4"}, {0, 1, 2, 3, 4}},
                    ColumnsCase{"OutOfRange", {"", "2", "1", "3", "9"}, {0, 1, 2, 3, 4}},
                    ColumnsCase{"Zero", {"", "0", "1", "2", "3"}, {0, 1, 2, 3, 4}},
                    ColumnsCase{"NotANumber", {"", "x", "4", "3", "2"}, {0, 1, 4, 3, 2}}),
    [](const testing::TestParamInfo<ColumnsCase> &info) { return info.param.name; });

} // namespace
