// The month grids of the real window paint every pixel as the plain reference draws
// them, for days that move the highlight, change the month and the year, and reach a
// column's calendar before its first day.
#include "GridReference.h"
#include "MonthlyFixture.h"

#include <QCoreApplication>

namespace {

TEST_F(MonthlyWindowTest, MonthGridsPaintAsThePlainWayDoes) {
    const CalendarDay days[] = {{14, 3, 2024}, {15, 3, 2024}, {29, 2, 2024}, {1, 1, 2000},
                                {30, 9, 2027}, {31, 12, 622}, {31, 12, 3000}};
    for (const CalendarDay &day : days) {
        GoToGregorian(day.Day, day.Month, day.Year);
        QCoreApplication::processEvents();
        for (int pos = 1; pos <= 4; ++pos) {
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            if (!grid.isVisible()) continue;
            EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid))
                << day.Day << "." << day.Month << "." << day.Year << " column " << pos;
        }
    }
}

} // namespace
