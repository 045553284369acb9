// The grid as the windows use it, every pixel as the plain reference draws it (a
// merged bold title centred over its span, numbers right-aligned and words
// left-aligned, cell colours, a hidden column and a text too wide for its cell), and
// what a screen reader reads of it.
#include "GridReference.h"
#include "platform/MSFlexGrid.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::MSFlexGrid;

constexpr int32_t Red = 0x0000FF;
constexpr int32_t White = 0xFFFFFF;

class GridTest : public testing::Test {
  protected:
    void SetUp() override {
        grid.SetRows(4);
        grid.SetCols(6);
        grid.SetColWidth(0, 345);
        for (int c = 1; c < 6; ++c)
            grid.SetColWidth(c, 300);
        for (int r = 0; r < 4; ++r)
            grid.SetRowHeight(r, 255);
        grid.SetColWidth(5, 0);
        grid.SetBackColor(0x00FFFF);
        grid.SetMergeCells(2);
        grid.SetMergeRow(0, true);
        grid.Move(0, 0, grid.ColPos(5) + 120, grid.RowPos(4) + 120);
        const QString texts[4][6] = {
            {"", "(1)  January", "(1)  January", "(1)  January", "(2)  February", "x"},
            {"Mo", "1", "8", "-3.5", "22", ""},
            {"Tu", "2", "word", "word", "", "31"},
            {"We", "3", "a long text cut at the edges", "17", "24", ""}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 6; ++c)
                grid.SetTextMatrix(r, c, texts[r][c]);
        Format(0, 1, White, Red, true);
        grid.SetCellAlignment(MSFlexGrid::AlignCentreCentre);
        Format(1, 3, Red, White, true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void Format(int row, int col, int32_t back, int32_t fore, bool bold) {
        grid.SetRow(row);
        grid.SetCol(col);
        grid.SetCellFormat(row, col, back, fore, bold, false);
    }

    void ExpectLooksRight(const char *when) {
        QCoreApplication::processEvents();
        EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid)) << when;
    }

    QAccessibleInterface *Cell(int row, int col) {
        return QAccessible::queryAccessibleInterface(&grid)->tableInterface()->cellAt(row, col);
    }

    QWidget window;
    MSFlexGrid grid{&window, "MSFlexGrid1"};
};

TEST_F(GridTest, PaintsEveryPixelAsThePlainWayDoes) {
    ExpectLooksRight("as built");
    grid.SetRedraw(false);
    grid.SetTextMatrix(0, 3, "(2)  February");
    grid.SetTextMatrix(1, 1, "");
    grid.SetTextMatrix(2, 4, "12345");
    Format(1, 3, White, 0, false);
    Format(3, 3, Red, White, true);
    grid.SetRedraw(true);
    grid.Refresh();
    ExpectLooksRight("after a batch of changes");
    grid.setFont(QFont(grid.font().family(), grid.font().pointSize() + 2));
    ExpectLooksRight("in a larger font");
}

// Cells read as shown, where shown (23 pixels for column 0, 20 for the others, 17 a
// row; a merged title covers its span, equal texts elsewhere stay apart), and only the
// marked one as selected.
TEST_F(GridTest, AScreenReaderReadsTheCellsAsShown) {
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    EXPECT_EQ(table->childCount(), 24);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(Cell(r, c)->text(QAccessible::Name), grid.TextMatrix(r, c)) << r << "," << c;
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(Cell(2, 1)->rect(), QRect(origin + QPoint(23, 34), QSize(20, 17)));
    EXPECT_EQ(Cell(0, 2)->rect(), QRect(origin + QPoint(23, 0), QSize(60, 17)));
    EXPECT_EQ(Cell(2, 3)->rect(), QRect(origin + QPoint(63, 34), QSize(20, 17))) << "no merge row";
    const QPoint inside = Cell(3, 2)->rect().center();
    EXPECT_EQ(table->childAt(inside.x(), inside.y()), Cell(3, 2));

    grid.SetCellFormat(2, 2, Red, White, false, true);
    EXPECT_TRUE(Cell(2, 2)->state().selected);
    EXPECT_FALSE(Cell(2, 1)->state().selected);
    grid.SetEnabled(false);
    EXPECT_TRUE(Cell(1, 1)->state().disabled);
}

} // namespace
