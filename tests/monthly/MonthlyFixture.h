// The monthly window as the program runs it, shown on 14 March 2024, with stand-ins
// for the year windows and the moon window that record what it asks of them.
#pragma once

#include "ProgramTest.h"
#include "monthly/MonthlyWindow.h"

#include <vector>

class MonthlyWindowTest : public ProgramTest {
  protected:
    void SetUp() override;

    static MonthlyWindow &Window();
    // The user opens the list with the mouse and picks the item of that text.
    static void Pick(platform::ComboBox &combo, const QString &item);
    // The user opens the Julian Day field's list from the keyboard and closes it.
    static void OpenAndCloseJulianDayList();
    // The user clicks into the Julian Day field, selects its text and types.
    static void TypeJulianDay(const QString &text);
    // The user clicks the day of that number in a month grid.
    static void ClickDay(int pos, int day, Qt::MouseButton button = Qt::LeftButton);
    // The day is selected and shown: the Julian Day field, and the Gregorian column
    // (year, month, highlighted day) checked against Qt's calendar.
    static void ExpectShows(int32_t julianDay);
};

// What the stand-ins were asked: the CalendarIds of the year windows in the order they
// were brought up to date, and how often the moon window was.
inline std::vector<int16_t> YearRefreshes;
inline int MoonResets = 0;
