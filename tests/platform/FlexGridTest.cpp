#include "platform/MSFlexGrid.h"

#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <utility>
#include <vector>

namespace {

using platform::MSFlexGrid;

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Black = 0x000000;
constexpr int32_t Red = 0x0000FF;

// Cells of 20 x 20 pixels, black lines on white, as the tests read pixels.
class FlexGridTest : public testing::Test {
  protected:
    void SetUp() override {
        grid.SetRows(3);
        grid.SetCols(5);
        for (int c = 0; c < 5; ++c)
            grid.SetColWidth(c, 300);
        for (int r = 0; r < 3; ++r)
            grid.SetRowHeight(r, 300);
        grid.SetGridColor(Black);
        grid.SetBackColor(White);
        grid.Move(0, 0, 1515, 915);
    }

    QColor Pixel(int x, int y) { return grid.grab().toImage().pixelColor(x, y); }
    // The line between column c - 1 and column c, in the middle of row r.
    QColor LineBefore(int r, int c) { return Pixel(20 * c, 20 * r + 10); }

    QWidget window;
    MSFlexGrid grid{&window, "MSFlexGrid1"};
};

TEST_F(FlexGridTest, EqualTextsMergeOnlyInMergeRows) {
    grid.SetMergeCells(2);
    grid.SetMergeRow(0, true);
    grid.SetMergeRow(2, true);
    const std::vector<std::vector<QString>> texts = {
        {"", "(1)  Jan", "(1)  Jan", "(2)  Feb", "(2)  Feb"},
        {"", "(1)  Jan", "(1)  Jan", "", ""},
        {"7", "", "", "x", "7"},
    };
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            grid.SetTextMatrix(r, c, texts[r][c]);

    struct Case {
        const char *name;
        int row, col;
        std::pair<int, int> span;
        bool lineBefore; // the grid line on the cell's left is drawn
    };
    const Case cases[] = {
        {"first of a title", 0, 1, {1, 2}, true},
        {"second of a title", 0, 2, {1, 2}, false},
        {"next month's title", 0, 3, {3, 4}, true},
        {"its second cell", 0, 4, {3, 4}, false},
        {"same texts outside a merge row", 1, 2, {2, 2}, true},
        {"empty cells of a merge row", 2, 2, {2, 2}, true},
        {"equal texts apart", 2, 4, {4, 4}, true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(grid.MergeSpan(c.row, c.col), c.span) << c.name;
        EXPECT_EQ(LineBefore(c.row, c.col), platform::ToQColor(c.lineBefore ? Black : White))
            << c.name;
    }

    grid.SetMergeCells(0);
    EXPECT_EQ(grid.MergeSpan(0, 2), std::make_pair(2, 2)) << "MergeCells 0 merges nothing";
}

TEST_F(FlexGridTest, CellFormatsBelongToTheCurrentCellAlone) {
    grid.SetRow(1);
    grid.SetCol(2);
    grid.SetCellBackColor(Red);
    grid.SetCellForeColor(White);
    grid.SetCellFontBold(true);
    grid.SetCellAlignment(4);

    struct Case {
        int row, col;
        int32_t back, fore;
        bool bold;
        int alignment;
    };
    const Case cases[] = {
        {1, 2, Red, White, true, 4},
        {1, 1, 0, 0, false, 9},
        {2, 2, 0, 0, false, 9},
    };
    for (const Case &c : cases) {
        grid.SetRow(c.row);
        grid.SetCol(c.col);
        EXPECT_EQ(grid.CellBackColor(), c.back) << c.row << "," << c.col;
        EXPECT_EQ(grid.CellForeColor(), c.fore) << c.row << "," << c.col;
        EXPECT_EQ(grid.CellFontBold(), c.bold) << c.row << "," << c.col;
        EXPECT_EQ(grid.CellAlignment(), c.alignment) << c.row << "," << c.col;
    }
    EXPECT_EQ(Pixel(50, 30), QColor(Qt::red));
    EXPECT_EQ(Pixel(30, 30), QColor(Qt::white));
    EXPECT_EQ(Pixel(50, 50), QColor(Qt::white));
}

TEST_F(FlexGridTest, ClearEmptiesEveryTextAndFormat) {
    grid.SetTextMatrix(2, 4, "31");
    grid.SetRow(2);
    grid.SetCol(4);
    grid.SetCellBackColor(Red);
    grid.SetCellFontBold(true);
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(2, 4), "");
    EXPECT_EQ(grid.CellBackColor(), 0);
    EXPECT_FALSE(grid.CellFontBold());
    EXPECT_EQ(Pixel(90, 50), QColor(Qt::white));
}

TEST_F(FlexGridTest, PositionsAddUpTheSizesBefore) {
    grid.SetColWidth(0, 345);
    grid.SetRowHeight(0, 360);
    grid.SetRowHeight(1, 195);
    struct Case {
        int index, colPos, rowPos;
    };
    const Case cases[] = {{0, 0, 0}, {1, 345, 360}, {2, 645, 555}, {3, 945, 855}};
    for (const Case &c : cases) {
        EXPECT_EQ(grid.ColPos(c.index), c.colPos) << c.index;
        EXPECT_EQ(grid.RowPos(c.index), c.rowPos) << c.index;
    }
    grid.SetColWidth(1, 350);
    EXPECT_EQ(grid.ColWidth(1), 345) << "a width reads back as the whole pixels it became";
}

TEST_F(FlexGridTest, OutOfRangeCellsAreIgnored) {
    grid.SetTextMatrix(3, 0, "x");
    grid.SetTextMatrix(0, -1, "x");
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
    grid.SetRow(7);
    EXPECT_EQ(grid.Row(), 0);
    grid.SetRows(2);
    grid.SetTextMatrix(1, 1, "kept");
    grid.SetRows(4);
    EXPECT_EQ(grid.TextMatrix(1, 1), "kept");
    EXPECT_EQ(grid.TextMatrix(3, 1), "");
}

TEST_F(FlexGridTest, MouseDownArrivesWithTheClickedCellCurrent) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            grid.SetTextMatrix(r, c, QStringLiteral("%1/%2").arg(r).arg(c));
    window.show();
    std::vector<QString> seen;
    QObject::connect(&grid, &MSFlexGrid::MouseDown, [&](int button, int, int x, int y) {
        seen.push_back(QStringLiteral("%1 %2 %3 at %4,%5")
                           .arg(button)
                           .arg(grid.TextMatrix(grid.Row(), grid.Col()))
                           .arg(grid.Row() * 10 + grid.Col())
                           .arg(x)
                           .arg(y));
    });
    int doubleClicks = 0;
    QObject::connect(&grid, &MSFlexGrid::DblClick, [&] { ++doubleClicks; });

    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(45, 25));
    QTest::mouseClick(&grid, Qt::RightButton, Qt::NoModifier, QPoint(85, 5));
    // A double click: a whole click, then the second press as a double click.
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(5, 45));
    QTest::mouseDClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(5, 45));
    EXPECT_EQ(seen, (std::vector<QString>{"1 1/2 12 at 675,375", "2 0/4 4 at 1275,75",
                                          "1 2/0 20 at 75,675"}));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(FlexGridTest, ABatchPaintsOnceAndOnlyWhatChanged) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    struct PaintRecorder : QObject {
        std::vector<QRegion> regions;
        bool eventFilter(QObject *, QEvent *e) override {
            if (e->type() == QEvent::Paint)
                regions.push_back(static_cast<QPaintEvent *>(e)->region());
            return false;
        }
    } paints;
    grid.installEventFilter(&paints);

    grid.SetRedraw(false);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            grid.SetTextMatrix(r, c, "1");
            grid.SetRow(r);
            grid.SetCol(c);
            grid.SetCellBackColor(Red);
        }
    QCoreApplication::processEvents();
    EXPECT_TRUE(paints.regions.empty()) << "nothing is painted while Redraw is off";
    grid.SetRedraw(true);
    grid.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.regions.size(), 1u);
    EXPECT_EQ(Pixel(10, 10), QColor(Qt::red));

    // Two cells change, two stay as they were written again: two cells are painted.
    paints.regions.clear();
    grid.SetRedraw(false);
    grid.SetTextMatrix(0, 0, "2");
    grid.SetTextMatrix(0, 1, "1");
    grid.SetRow(2);
    grid.SetCol(3);
    grid.SetCellBackColor(White);
    grid.SetCol(4);
    grid.SetCellBackColor(Red);
    grid.SetRedraw(true);
    grid.Refresh();
    QCoreApplication::processEvents();
    ASSERT_EQ(paints.regions.size(), 1u);
    EXPECT_EQ(paints.regions[0], QRegion(0, 0, 20, 20) + QRegion(60, 40, 20, 20));
}

} // namespace
