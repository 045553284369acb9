// The year windows as the program runs them: real engine, frame and windows (the
// monthly and moon windows too), the settings in a temporary folder, message boxes
// and beeps recorded, the clock fixed at 14 March 2024 and the program's end counted.
#pragma once

#include "platform/core/AlertRecorder.h"
#include "yearwindows/YearWindow.h"

#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

class YearWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    static YearWindow &Year(int16_t cal);
    // The selected day changed from outside the year windows.
    static void GoTo(int32_t julianDay);
    static void GoToDate(int16_t cal, int day, int month, int year);
    // The year window of cal brought up to date and shown, as another window opens it.
    static YearWindow &Open(int16_t cal);
    // The user tabs into the year list.
    static void FocusYearList(YearWindow &window);

    static QPoint CellCenter(const platform::MSFlexGrid &grid, int row, int col);
    // The texts of the grid's highlighted cells.
    static QStringList Highlighted(YearWindow &window);

    QTemporaryDir Folder;
    std::optional<platform::AlertRecorder> Alerts;
    int Ends = 0;
};
