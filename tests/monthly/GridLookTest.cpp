// The month grids of the real window paint every pixel as the plain reference draws
// them, for days that move the highlight, change the month and the year, and reach a
// column's calendar before its first day.
#include "GridReference.h"
#include "MonthlyFixture.h"

#include <QCoreApplication>
#include <QDate>

namespace {

TEST_F(MonthlyWindowTest, MonthGridsPaintAsThePlainWayDoes) {
    const QDate days[] = {{2024, 3, 14}, {2024, 3, 15}, {2024, 2, 29}, {2000, 1, 1},
                          {2027, 9, 30}, {622, 12, 31}, {3000, 12, 31}};
    for (const QDate &day : days) {
        GoTo(static_cast<int32_t>(day.toJulianDay()));
        QCoreApplication::processEvents();
        for (int pos = 1; pos <= 4; ++pos) {
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            if (!grid.isVisible()) continue;
            EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid))
                << day.toString(Qt::ISODate).toStdString() << " column " << pos;
        }
    }
}

} // namespace
