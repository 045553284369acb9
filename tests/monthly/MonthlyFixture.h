// The monthly window as the program runs it: real engine, frame and window, with the
// settings in a temporary folder, message boxes and beeps recorded, a fixed clock
// (14 March 2024), the program's end recorded and stand-ins for the year and moon
// windows.
#pragma once

#include "monthly/MonthlyWindow.h"
#include "platform/core/AlertRecorder.h"

#include <QPoint>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

class MonthlyWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MonthlyWindow &Window();

    // The selected day changed from outside the window (the engine refreshes it).
    void GoTo(int32_t julianDay);

    // The user opens the list with the mouse and picks the item of that text.
    void Pick(platform::ComboBox &combo, const QString &item);
    // The user opens the Julian Day field's list from the keyboard and closes it.
    void OpenAndCloseJulianDayList();
    // The user clicks into the Julian Day field, selects its text and types.
    void TypeJulianDay(const QString &text);
    // The user clicks the day of that number in a month grid.
    void ClickDay(int pos, int day, Qt::MouseButton button = Qt::LeftButton);

    // The day is selected and shown: the Julian Day field, and the Gregorian column
    // (year, month, highlighted day) checked against Qt's calendar.
    void ExpectShows(int32_t julianDay);

    QTemporaryDir settingsFolder;
    std::optional<platform::AlertRecorder> alerts;
    int programEnds = 0;
};
