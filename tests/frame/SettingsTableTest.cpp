#include "frame/SettingsTable.h"

#include "engine/Calc.h"
#include "frame/AppState.h"
#include "platform/core/Settings.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

class StoredSettings : public testing::Test {
  protected:
    void SetUp() override {
        platform::SetSettingsFile(folder_.filePath("Orvanta.conf"));
        Start::ResetState();
        Calc::Reset();
    }
    void TearDown() override { platform::SetSettingsFile({}); }

    QTemporaryDir folder_;
};

// Under the names the store has always had, each group in one replacement of the
// file (the exit once rewrote a large store twelve times and froze for a minute),
// and read back as written.
TEST_F(StoredSettings, WhatIsWrittenIsReadBackUnderItsOwnName) {
    const int replacements = platform::SettingsFileReplacements();
    Start::WriteOptions({2, {0, 1, 3, 5, 7}, "Français", 4, 0});
    const int16_t tops[] = {0, -32768, 0, 1440, 32767, 32737, -1};
    for (int window = 1; window <= 6; ++window) {
        Start::WinTop[window] = tops[window];
        Start::WinLeft[window] = static_cast<int16_t>(100 * window);
    }
    Start::WriteWindowPositions();
    const int16_t columns[] = {0, 3, 1, 4, 2};
    std::copy(std::begin(columns), std::end(columns), Start::ColumnCals);
    Start::WriteColumnCals();
    EXPECT_EQ(platform::SettingsFileReplacements(), replacements + 3);

    const QString stored = "Moslem/Type=2 Julian/FirstWeekDay=1 Gregorian/FirstWeekDay=3"
                           " Jewish/FirstWeekDay=5 Moslem/FirstWeekDay=7 Startup/Language=Français"
                           " Startup/Window=4 Startup/ShowTips=0 Julian/Top=-32768 Moslem/Left=400"
                           " Monthly/Top=32737 Moon/Top=-1 Moon/Left=600 Startup/Calendar1=3"
                           " Startup/Calendar4=2";
    for (const QString &entry : stored.split(u' ')) {
        const QStringList name = entry.section(u'=', 0, 0).split(u'/');
        EXPECT_EQ(platform::ReadSetting(name[0], name[1], "absent"), entry.section(u'=', 1))
            << entry.toStdString();
    }

    // Numbers read back as the range tests below and the settings fuzzing check; the
    // one text here.
    Start::ResetState();
    Start::ReadSettings();
    EXPECT_EQ(Start::LanguageName, "Français");
}

// A writer killed part-way leaves its copy and its lock; the next start clears
// them, and nothing else.
TEST_F(StoredSettings, StartUpClearsWhatAKilledWriteLeft) {
    platform::WriteSetting("Moon", "Top", "5");
    QStringList kept{"Orvanta.conf", "Orvanta.conf.backup", "Orvanta.conf.Ab3xZ9.keep",
                     "notes.txt"};
    for (const QString &name : {kept[1], kept[2], kept[3], QString("Orvanta.conf.Ab3xZ9"),
                                QString("Orvanta.conf.q1W2e3")})
        ASSERT_TRUE(QFile(folder_.filePath(name)).open(QIODevice::WriteOnly));
    QFile lock(folder_.filePath("Orvanta.conf.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\nOrvanta\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    Start::ReadSettings();
    kept.sort();
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
    EXPECT_EQ(Start::WinTop[Start::MoonWindowIndex], 5);
}

// A stored number is rounded half to even; one outside its setting's range, or
// that is no number, gives the default.
TEST_F(StoredSettings, NumbersOutsideTheirRangeGiveTheDefault) {
    const struct {
        const char *section, *key, *stored;
        const int16_t *variable;
        int16_t expected;
    } cases[] = {
        {"Moon", "Top", " -12 ", &Start::WinTop[Start::MoonWindowIndex], -12},
        {"Moon", "Top", "3.5", &Start::WinTop[Start::MoonWindowIndex], 4},
        {"Moon", "Top", "-2.5", &Start::WinTop[Start::MoonWindowIndex], -2},
        {"Moon", "Top", "2.5000001", &Start::WinTop[Start::MoonWindowIndex], 3},
        {"Moon", "Top", "-32768", &Start::WinTop[Start::MoonWindowIndex], -32768},
        {"Moon", "Top", "32767.5", &Start::WinTop[Start::MoonWindowIndex], Start::NoPosition},
        {"Moon", "Top", "12abc", &Start::WinTop[Start::MoonWindowIndex], Start::NoPosition},
        {"Julian", "FirstWeekDay", "0", &Calc::FirstWeekDay[1], 7},
        {"Moslem", "FirstWeekDay", "7.5", &Calc::FirstWeekDay[4], 6},
        {"Startup", "Window", "5", &Start::StartupWindow, 0},
        {"Startup", "Window", "-1", &Start::StartupWindow, 0},
    };
    for (const auto &c : cases) {
        platform::WriteSetting(c.section, c.key, c.stored);
        Start::ReadSettings();
        EXPECT_EQ(*c.variable, c.expected) << c.section << " " << c.key << " " << c.stored;
    }
}

// Unless the four columns name four different calendars, they show all four in
// their natural order.
TEST_F(StoredSettings, ColumnsNameFourDifferentCalendars) {
    const struct {
        const char *stored[4];
        std::vector<int16_t> expected;
    } cases[] = {{{"2", "3", "4", "1"}, {2, 3, 4, 1}},
                 {{"1", "1", "3", "4"}, {1, 2, 3, 4}},
                 {{"2", "1", "3", "5"}, {1, 2, 3, 4}},
                 {{"0", "1", "2", "3"}, {1, 2, 3, 4}},
                 {{"x", "4", "3", "2"}, {1, 4, 3, 2}}};
    for (const auto &c : cases) {
        for (int column = 1; column <= 4; ++column)
            platform::WriteSetting("Startup", QStringLiteral("Calendar%1").arg(column),
                                   c.stored[column - 1]);
        Start::ReadSettings();
        EXPECT_EQ(std::vector<int16_t>(Start::ColumnCals + 1, Start::ColumnCals + 5), c.expected)
            << c.stored[0] << c.stored[1] << c.stored[2] << c.stored[3];
    }
}

} // namespace
