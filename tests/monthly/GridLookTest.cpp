// The month grids of the real window paint every pixel as the plain reference draws
// them, for days that move the highlight, change the month and the year, and reach a
// column's calendar before its first day; a screen reader finds exactly the
// highlighted day selected.
#include "GridReference.h"
#include "MonthlyFixture.h"

#include "engine/Calc.h"

#include <QAccessible>
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

QStringList SelectedCellNames(platform::MSFlexGrid &grid) {
    QStringList names;
    for (QAccessibleInterface *cell :
         QAccessible::queryAccessibleInterface(&grid)->tableInterface()->selectedCells())
        names.append(cell->text(QAccessible::Name));
    return names;
}

TEST_F(MonthlyWindowTest, OnlyTheHighlightedDayReadsAsSelected) {
    const auto expectSelectedDays = [this](const char *step) {
        for (int pos = 1; pos <= 4; ++pos) {
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            if (!grid.isVisible()) continue;
            EXPECT_EQ(SelectedCellNames(grid),
                      QStringList{QString::number(Calc::CalDates[pos][Calc::Day])})
                << step << " column " << pos;
        }
    };
    GoTo(static_cast<int32_t>(QDate(2024, 3, 14).toJulianDay()));
    expectSelectedDays("redrawn");
    ClickDay(2, 20);
    expectSelectedDays("clicked");
    EXPECT_EQ(SelectedCellNames(Window().MSFlexGrid1[2]), QStringList{"20"});
    GoTo(static_cast<int32_t>(QDate(2024, 4, 2).toJulianDay()));
    expectSelectedDays("next month");
}

} // namespace
