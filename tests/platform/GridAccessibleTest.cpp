// What a screen reader reads of a grid: a table of its cells with their exact texts,
// their places on screen, the one selected cell, and the grid's hidden and disabled
// states.
#include "platform/MSFlexGrid.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace {

using platform::MSFlexGrid;

class GridAccessibleTest : public testing::Test {
  protected:
    void SetUp() override {
        grid.SetRows(3);
        grid.SetCols(4);
        for (int c = 0; c < 4; ++c)
            grid.SetColWidth(c, 300);
        grid.SetMergeCells(2);
        grid.SetMergeRow(0, true);
        const QString texts[3][4] = {{"", "(1)  January", "(1)  January", "(1)  January"},
                                     {"Mo", "1", "8", ""},
                                     {"Tu", "2", "9", "16"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                grid.SetTextMatrix(r, c, texts[r][c]);
        grid.Move(300, 150, 1215, 735);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QAccessibleTableInterface *Table() {
        QAccessibleInterface *grid_ = QAccessible::queryAccessibleInterface(&grid);
        return grid_ ? grid_->tableInterface() : nullptr;
    }
    QAccessibleInterface *Cell(int row, int col) { return Table()->cellAt(row, col); }

    QWidget window;
    MSFlexGrid grid{&window, "MSFlexGrid1"};
};

TEST_F(GridAccessibleTest, CellsReadAsTheGridShowsThem) {
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->role(), QAccessible::Table);
    EXPECT_EQ(Table()->rowCount(), 3);
    EXPECT_EQ(Table()->columnCount(), 4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->childCount(), 12);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            QAccessibleInterface *cell = Cell(r, c);
            EXPECT_EQ(cell->text(QAccessible::Name), grid.TextMatrix(r, c)) << r << "," << c;
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(cell->tableCellInterface()->rowIndex(), r);
            EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c);
        }
    EXPECT_EQ(Cell(1, 3)->text(QAccessible::Name), "") << "a blank cell";

    // 20 pixels a column, 16 a row, the grid at (20, 10) in its window.
    const QPoint origin = window.mapToGlobal(QPoint(20, 10));
    EXPECT_EQ(Cell(2, 1)->rect(), QRect(origin + QPoint(20, 32), QSize(20, 16)));
    EXPECT_EQ(Cell(0, 2)->rect(), QRect(origin + QPoint(20, 0), QSize(60, 16)))
        << "a merged title covers its span";
    const QPoint inDay9 = Cell(2, 2)->rect().center();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->childAt(inDay9.x(), inDay9.y()),
              Cell(2, 2));

    grid.SetCols(3);
    EXPECT_EQ(Cell(1, 2)->text(QAccessible::Name), "8") << "cells follow a change of shape";
}

TEST_F(GridAccessibleTest, OnlyTheMarkedCellIsSelected) {
    grid.SetRow(2);
    grid.SetCol(2);
    grid.SetCellSelected(true);
    EXPECT_EQ(Table()->selectedCellCount(), 1);
    EXPECT_EQ(Table()->selectedCells(), QList<QAccessibleInterface *>{Cell(2, 2)});
    EXPECT_TRUE(Cell(2, 2)->state().selected);
    EXPECT_FALSE(Cell(2, 1)->state().selected);

    // The highlight moves: the window unmarks the old day and marks the new one.
    grid.SetCellSelected(false);
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetCellSelected(true);
    EXPECT_EQ(Table()->selectedCells(), QList<QAccessibleInterface *>{Cell(1, 1)});
    grid.Clear();
    EXPECT_EQ(Table()->selectedCellCount(), 0);
}

TEST_F(GridAccessibleTest, HiddenAndDisabledGridsSaySo) {
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    EXPECT_FALSE(table->state().invisible);
    EXPECT_FALSE(Cell(1, 1)->state().disabled);
    grid.SetEnabled(false);
    EXPECT_TRUE(table->state().disabled);
    EXPECT_TRUE(Cell(1, 1)->state().disabled);
    grid.SetVisible(false);
    EXPECT_TRUE(table->state().invisible);
    EXPECT_TRUE(Cell(1, 1)->state().invisible);
}

} // namespace
