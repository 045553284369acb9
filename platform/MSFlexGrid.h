// MSFlexGrid: the calendar grid, a table of text cells drawn by itself.
//  - shape: Rows, Cols (no fixed rows or columns; texts and formats inside the
//    remaining area survive a change), ColWidth(i) / RowHeight(i) in twips, read and
//    written; ColPos(i) / RowPos(i), the offset of a column / row from the grid's
//    left / top edge
//  - texts: TextMatrix(row, col), read and written
//  - current cell: Row, Col; CellBackColor reads the current cell's background,
//    CellForeColor, CellFontBold and CellAlignment format it and read it back
//    (CellBackColor / CellForeColor read 0 for a cell without a colour of its own);
//    CellAlignment 0..8 as the classic grid numbers them (AlignCentreCentre, 4,
//    centres both ways), 9 "general" (the default: numbers to the right, other text
//    to the left)
//  - SetCellFormat(row, col, back, fore, bold, selected): a cell's colours and
//    boldness, and whether it is the one the window shows as chosen (the selected day):
//    that changes no pixel, and assistive technology reports the cell as selected
//    (IsSelectedCell); the current cell stays where it is
//  - whole grid: BackColor (cells without a colour of their own, and the area past the
//    last cell), ForeColor, GridColor (packed colours), Clear (every text and format),
//    MergeCells / MergeRow(i)
//  - painting: SetRedraw(false) stops painting, so that a batch of cell writes costs
//    no repaint; SetRedraw(true) and Refresh have what the batch changed painted in
//    the next paint pass, together with the other windows' changes of the same event
//  - assistive technology sees the grid as a table of its cells (GridAccessible.h)
//
// Writing a value a cell or the grid already has changes nothing and repaints nothing;
// a changed cell repaints that cell alone (its whole row where merged titles may
// change). Each look of a cell (text, colours, face, size) is drawn once and reused
// by every paint.
//  - plus Control<W>: Left/Top/Width/Height, Visible, Enabled, TabStop, ToolTipText
//  - events: MouseDown(button, shift, x, y) on every press (button 1 left, 2 right;
//    x, y in twips); when it arrives, the cell under the pointer is already the
//    current cell. DblClick on a double click (the first press already raised
//    MouseDown; the second raises DblClick only).
//
// Merging: with MergeCells not 0, in a row marked by MergeRow neighbouring cells with
// the same non-empty text are drawn as one cell, its text and format taken from the
// first of them. Other rows never merge. MergeSpan tells which cells are drawn as one.
//
// Out-of-range rows or columns are ignored when written and read as empty.
// No selection look, no scroll bars, no headers, no focus frame: what the cells say
// is all that is drawn.
#pragma once

#include "Control.h"

#include <QHash>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <utility>
#include <vector>

class QPainter;

namespace platform {

class MSFlexGrid : public Control<QWidget> {
    Q_OBJECT

  public:
    static constexpr int AlignCentreCentre = 4;

    MSFlexGrid(QWidget *parent, const QString &name);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int twips);
    void SetRowHeight(int row, int twips);
    int ColPos(int col) const;
    int RowPos(int row) const;

    int MergeCells() const { return mergeCells_; }
    void SetMergeCells(int mode);
    bool MergeRow(int row) const;
    void SetMergeRow(int row, bool on);
    // The first and last column drawn as one cell with (row, col).
    std::pair<int, int> MergeSpan(int row, int col) const;

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString &text);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);

    int32_t CellBackColor() const;
    int32_t CellForeColor() const;
    bool CellFontBold() const;
    int CellAlignment() const;
    void SetCellForeColor(int32_t packed);
    void SetCellFontBold(bool bold);
    void SetCellAlignment(int alignment);
    void SetCellFormat(int row, int col, int32_t back, int32_t fore, bool bold, bool selected);
    bool IsSelectedCell(int row, int col) const;

    int32_t BackColor() const { return backColor_; }
    int32_t ForeColor() const { return foreColor_; }
    int32_t GridColor() const { return gridColor_; }
    void SetBackColor(int32_t packed);
    void SetForeColor(int32_t packed);
    void SetGridColor(int32_t packed);

    bool Redraw() const { return redraw_; }
    void SetRedraw(bool on);
    void Refresh();
    void Clear();

  signals:
    void DblClick();
    void MouseDown(int button, int shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    static constexpr int NoColor = -1;
    static constexpr int General = 9;

    struct Cell {
        QString text;
        int32_t back = NoColor;
        int32_t fore = NoColor;
        bool bold = false;
        int alignment = General;
        bool selected = false;
        // Where the text sits, decided when the text or the alignment is written.
        Qt::Alignment placement = Qt::AlignLeft | Qt::AlignVCenter;
    };
    // Everything a cell's pixels depend on, its lines aside.
    struct Look {
        QString text;
        int32_t back = 0;
        int32_t fore = 0;
        bool bold = false;
        Qt::Alignment placement;
        QSize size;
        qreal ratio = 1;
        bool operator==(const Look &) const = default;
    };
    friend size_t qHash(const Look &look, size_t seed) noexcept;

    bool Inside(int row, int col) const;
    Cell *Current();
    const Cell *Current() const;
    void Resize(int rows, int cols);
    void Repaint();
    // The cell (or, in a merge row, its whole row) is to be painted again.
    void Changed(int row, int col);
    void Changed(const QRegion &area);
    QRegion HeldRegion() const;
    // Column and row under a point, or -1 past the last one.
    int ColumnAt(int x) const;
    int RowAt(int y) const;
    void PaintCell(QPainter &painter, qreal ratio, const Cell &cell, const QRect &inside);
    const QImage &CellPicture(const Look &look);
    void DrawCell(QPainter &painter, const Look &look, const QRect &inside) const;
    void TakeFont();

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;     // row by row
    std::vector<int> colWidths_;  // pixels
    std::vector<int> rowHeights_; // pixels
    std::vector<bool> mergeRows_;
    int mergeCells_ = 0;
    int row_ = 0;
    int col_ = 0;
    int32_t backColor_ = 0xFFFFFF;
    int32_t foreColor_ = 0;
    int32_t gridColor_ = 0xC0C0C0;
    bool redraw_ = true;
    // Changed while Redraw was off, not yet handed to Qt: cells (row by row), or
    // the whole grid.
    std::vector<bool> heldCells_;
    bool heldAny_ = false;
    bool heldAll_ = false;
    // Handed to Qt and not yet painted, for Refresh.
    QRegion due_;
    // The widget's font (0) and its bold face (1), with the metrics that place a text.
    struct Face {
        QFont font;
        int ascent = 0;
        int descent = 0;
        int height = 0;
        qreal exactAscent = 0;
    };
    Face faces_[2];
    // Every look painted so far, drawn once: a change of day moves the highlight
    // between cells the grid has already shown, and a month shows the same days as
    // any other, so that painting a cell is copying its picture.
    QHash<Look, QImage> pictures_;
};

} // namespace platform
