#include "MSFlexGrid.h"

#include "Input.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace platform {

namespace {

constexpr int DefaultColWidth = 64;  // pixels
constexpr int DefaultRowHeight = 16; // pixels
constexpr int TextPadding = 2;       // pixels between a text and the cell's side

Qt::Alignment TextAlignment(int alignment, const QString &text) {
    static constexpr Qt::Alignment Vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    static constexpr Qt::Alignment Horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    if (alignment >= 0 && alignment <= 8)
        return Horizontal[alignment / 3] | Vertical[alignment % 3];
    bool number = false;
    text.toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// Offsets of every boundary: element i starts at [i] and ends before [i + 1].
std::vector<int> Boundaries(const std::vector<int> &sizes) {
    std::vector<int> edges(sizes.size() + 1, 0);
    std::partial_sum(sizes.begin(), sizes.end(), edges.begin() + 1);
    return edges;
}

int IndexAt(const std::vector<int> &sizes, int offset) {
    if (offset < 0) return -1;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (offset < sizes[i]) return static_cast<int>(i);
        offset -= sizes[i];
    }
    return -1;
}

} // namespace

MSFlexGrid::MSFlexGrid(QWidget *parent, const QString &name) : Control(parent, name) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Resize(2, 2);
}

void MSFlexGrid::SetRows(int rows) {
    Resize(std::max(rows, 0), cols_);
}

void MSFlexGrid::SetCols(int cols) {
    Resize(rows_, std::max(cols, 0));
}

void MSFlexGrid::Resize(int rows, int cols) {
    std::vector<Cell> cells(static_cast<std::size_t>(rows) * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[r * cols + c] = std::move(cells_[r * cols_ + c]);
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    colWidths_.resize(cols, DefaultColWidth);
    rowHeights_.resize(rows, DefaultRowHeight);
    mergeRows_.resize(rows, false);
    row_ = std::clamp(row_, 0, std::max(rows - 1, 0));
    col_ = std::clamp(col_, 0, std::max(cols - 1, 0));
    Repaint();
}

int MSFlexGrid::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? PixelsToTwips(colWidths_[col]) : 0;
}

int MSFlexGrid::RowHeight(int row) const {
    return row >= 0 && row < rows_ ? PixelsToTwips(rowHeights_[row]) : 0;
}

void MSFlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) return;
    colWidths_[col] = std::max(TwipsToPixels(twips), 0);
    Repaint();
}

void MSFlexGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= rows_) return;
    rowHeights_[row] = std::max(TwipsToPixels(twips), 0);
    Repaint();
}

int MSFlexGrid::ColPos(int col) const {
    const int n = std::clamp(col, 0, cols_);
    return PixelsToTwips(std::accumulate(colWidths_.begin(), colWidths_.begin() + n, 0));
}

int MSFlexGrid::RowPos(int row) const {
    const int n = std::clamp(row, 0, rows_);
    return PixelsToTwips(std::accumulate(rowHeights_.begin(), rowHeights_.begin() + n, 0));
}

void MSFlexGrid::SetMergeCells(int mode) {
    mergeCells_ = mode;
    Repaint();
}

bool MSFlexGrid::MergeRow(int row) const {
    return row >= 0 && row < rows_ && mergeRows_[row];
}

void MSFlexGrid::SetMergeRow(int row, bool on) {
    if (row < 0 || row >= rows_) return;
    mergeRows_[row] = on;
    Repaint();
}

std::pair<int, int> MSFlexGrid::MergeSpan(int row, int col) const {
    if (!Inside(row, col) || mergeCells_ == 0 || !mergeRows_[row]) return {col, col};
    const QString &text = cells_[row * cols_ + col].text;
    if (text.isEmpty()) return {col, col};
    int first = col;
    while (first > 0 && cells_[row * cols_ + first - 1].text == text)
        --first;
    int last = col;
    while (last + 1 < cols_ && cells_[row * cols_ + last + 1].text == text)
        ++last;
    return {first, last};
}

QString MSFlexGrid::TextMatrix(int row, int col) const {
    return Inside(row, col) ? cells_[row * cols_ + col].text : QString();
}

void MSFlexGrid::SetTextMatrix(int row, int col, const QString &text) {
    if (!Inside(row, col)) return;
    cells_[row * cols_ + col].text = text;
    Repaint();
}

void MSFlexGrid::SetRow(int row) {
    if (row >= 0 && row < rows_) row_ = row;
}

void MSFlexGrid::SetCol(int col) {
    if (col >= 0 && col < cols_) col_ = col;
}

bool MSFlexGrid::Inside(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

MSFlexGrid::Cell *MSFlexGrid::Current() {
    return Inside(row_, col_) ? &cells_[row_ * cols_ + col_] : nullptr;
}

const MSFlexGrid::Cell *MSFlexGrid::Current() const {
    return Inside(row_, col_) ? &cells_[row_ * cols_ + col_] : nullptr;
}

int32_t MSFlexGrid::CellBackColor() const {
    const Cell *cell = Current();
    return cell && cell->back != NoColor ? cell->back : 0;
}

int32_t MSFlexGrid::CellForeColor() const {
    const Cell *cell = Current();
    return cell && cell->fore != NoColor ? cell->fore : 0;
}

bool MSFlexGrid::CellFontBold() const {
    const Cell *cell = Current();
    return cell && cell->bold;
}

int MSFlexGrid::CellAlignment() const {
    const Cell *cell = Current();
    return cell ? cell->alignment : General;
}

void MSFlexGrid::SetCellBackColor(int32_t packed) {
    if (Cell *cell = Current()) cell->back = packed;
    Repaint();
}

void MSFlexGrid::SetCellForeColor(int32_t packed) {
    if (Cell *cell = Current()) cell->fore = packed;
    Repaint();
}

void MSFlexGrid::SetCellFontBold(bool bold) {
    if (Cell *cell = Current()) cell->bold = bold;
    Repaint();
}

void MSFlexGrid::SetCellAlignment(int alignment) {
    if (Cell *cell = Current()) cell->alignment = alignment;
    Repaint();
}

void MSFlexGrid::SetBackColor(int32_t packed) {
    backColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetForeColor(int32_t packed) {
    foreColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetGridColor(int32_t packed) {
    gridColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetRedraw(bool on) {
    redraw_ = on;
    Repaint();
}

void MSFlexGrid::Refresh() {
    if (redraw_) repaint();
}

void MSFlexGrid::Clear() {
    std::fill(cells_.begin(), cells_.end(), Cell());
    Repaint();
}

void MSFlexGrid::Repaint() {
    if (redraw_) update();
}

int MSFlexGrid::ColumnAt(int x) const {
    return IndexAt(colWidths_, x);
}

int MSFlexGrid::RowAt(int y) const {
    return IndexAt(rowHeights_, y);
}

void MSFlexGrid::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(backColor_));
    const std::vector<int> xs = Boundaries(colWidths_);
    const std::vector<int> ys = Boundaries(rowHeights_);
    for (int r = 0; r < rows_ && ys[r] < height(); ++r) {
        if (rowHeights_[r] == 0) continue;
        for (int c = 0; c < cols_ && xs[c] < width();) {
            const auto [first, last] = MergeSpan(r, c);
            PaintCell(painter, r, first, last, xs, ys[r]);
            c = last + 1;
        }
    }
    // The lines that close the last column and the last row.
    painter.setPen(ToQColor(gridColor_));
    painter.drawLine(xs.back(), 0, xs.back(), ys.back());
    painter.drawLine(0, ys.back(), xs.back(), ys.back());
}

void MSFlexGrid::PaintCell(QPainter &painter, int row, int first, int last,
                           const std::vector<int> &xs, int top) const {
    const int left = xs[first];
    const int right = xs[last + 1];
    if (right == left) return;
    const int bottom = top + rowHeights_[row];
    const Cell &cell = cells_[row * cols_ + first];

    // Each cell draws the lines along its left and top edges; inside lies the cell.
    painter.setPen(ToQColor(gridColor_));
    painter.drawLine(left, top, left, bottom - 1);
    painter.drawLine(left, top, right - 1, top);
    const QRect inside(left + 1, top + 1, right - left - 1, bottom - top - 1);
    painter.fillRect(inside, ToQColor(cell.back == NoColor ? backColor_ : cell.back));
    if (cell.text.isEmpty()) return;

    if (painter.font().bold() != cell.bold) {
        QFont font = painter.font();
        font.setBold(cell.bold);
        painter.setFont(font);
    }
    painter.setPen(ToQColor(cell.fore == NoColor ? foreColor_ : cell.fore));

    // Placed by hand: a grid full of short numbers draws many times faster than
    // through QPainter's text layout.
    const QRect area = inside.adjusted(TextPadding, 0, -TextPadding, 0);
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(cell.text);
    const Qt::Alignment alignment = TextAlignment(cell.alignment, cell.text);
    const int x = alignment & Qt::AlignRight     ? area.right() + 1 - textWidth
                  : alignment & Qt::AlignHCenter ? area.left() + (area.width() - textWidth) / 2
                                                 : area.left();
    const int y = alignment & Qt::AlignTop ? area.top() + metrics.ascent()
                  : alignment & Qt::AlignBottom
                      ? area.bottom() + 1 - metrics.descent()
                      : area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
    const bool overflows = textWidth > area.width() || metrics.height() > area.height();
    if (overflows) {
        // Text too large for its cell is cut at the cell's edges.
        painter.save();
        painter.setClipRect(inside);
    }
    painter.drawText(x, y, cell.text);
    if (overflows) painter.restore();
}

void MSFlexGrid::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    const int row = RowAt(at.y());
    const int col = ColumnAt(at.x());
    if (row >= 0 && col >= 0) {
        row_ = row;
        col_ = col;
    }
    emit MouseDown(MouseButtonCode(event->button()), ShiftState(event->modifiers()),
                   PixelsToTwips(at.x()), PixelsToTwips(at.y()));
}

void MSFlexGrid::mouseDoubleClickEvent(QMouseEvent *) {
    emit DblClick();
}

} // namespace platform
