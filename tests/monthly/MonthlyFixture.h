// The monthly window as the program runs it: real engine, frame and window, with the
// settings in a temporary folder, message boxes and beeps recorded, a fixed clock, the
// program's end recorded and stand-ins for the year and moon windows.
#pragma once

#include "DayShown.h"
#include "monthly/MonthlyWindow.h"
#include "platform/core/AlertRecorder.h"

#include <QPoint>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <utility>

inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

class MonthlyWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MonthlyWindow &Window();

    // The selected day changed from outside the window (the engine refreshes it).
    void GoTo(int32_t julianDay);
    void GoToGregorian(int day, int month, int year);
    int32_t Gregorian(int day, int month, int year) const;

    // The user opens the list with the mouse and clicks the item of that text.
    void Pick(platform::ComboBox &combo, const QString &item);
    // The user clicks into the Julian Day field, selects its text and types.
    void TypeJulianDay(const QString &text);

    QPoint CellCenter(const platform::MSFlexGrid &grid, int row, int col) const;
    // The cell of a day number in a month grid.
    std::optional<std::pair<int, int>> CellOf(int pos, const QString &day);
    // The text of the highlighted cell, and how many cells are highlighted.
    std::pair<QString, int> Highlighted(int pos);
    // The column that shows a calendar.
    int ColumnOf(int16_t cal) const;

    // Every column and the common fields show that day: the Julian and Gregorian
    // columns and the week day checked against independent calendars, the other
    // columns against the engine's tables; a column is hidden before its calendar's
    // first day.
    void ExpectWindowShows(int32_t julianDay);

    QTemporaryDir settingsFolder;
    std::optional<platform::AlertRecorder> alerts;
    int programEnds = 0;
};
