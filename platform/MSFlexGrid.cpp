#include "MSFlexGrid.h"

#include "GridAccessible.h"
#include "Input.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <utility>

namespace platform {

namespace {

constexpr int DefaultColWidth = 64;  // pixels
constexpr int DefaultRowHeight = 16; // pixels
constexpr int TextPadding = 2;       // pixels between a text and the cell's side

bool IsNumber(const QString &text) {
    // Day numbers, nearly every text a grid is given, need no parse: parsing costs more
    // than the rest of writing a month.
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    constexpr qsizetype ExactDigits = 15; // a double holds any number this long
    if (!text.isEmpty() && text.size() <= ExactDigits &&
        std::all_of(text.begin(), text.end(), digit))
        return true;
    bool number = false;
    text.toDouble(&number);
    return number;
}

Qt::Alignment TextAlignment(int alignment, const QString &text) {
    static constexpr Qt::Alignment Vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    static constexpr Qt::Alignment Horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    if (alignment >= 0 && alignment <= 8)
        return Horizontal[alignment / 3] | Vertical[alignment % 3];
    return (IsNumber(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
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

// A scaled grid's lines for one paint, each line continuing the one before it on its
// row, or the one above it on its column edge, joined to it: the same pixels, a few
// lines drawn instead of two for every cell.
class GridLines {
  public:
    explicit GridLines(int cols) : lastOnEdge_(static_cast<std::size_t>(cols), None) {}

    void AddHorizontal(int left, int right, int y) {
        Add(lastOnRow_, QLine(left, y, right, y), QPoint(1, 0));
    }
    // The left edge of column col.
    void AddVertical(int col, int x, int top, int bottom) {
        Add(lastOnEdge_[static_cast<std::size_t>(col)], QLine(x, top, x, bottom), QPoint(0, 1));
    }

    std::vector<QLine> Take() { return std::move(lines_); }

  private:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    // last: the line the new one may continue, one step past its end.
    void Add(std::size_t &last, const QLine &line, QPoint step) {
        if (last != None && lines_[last].p2() + step == line.p1()) {
            lines_[last].setP2(line.p2());
            return;
        }
        last = lines_.size();
        lines_.push_back(line);
    }

    std::vector<QLine> lines_;
    std::size_t lastOnRow_ = None;
    std::vector<std::size_t> lastOnEdge_;
};

} // namespace

MSFlexGrid::MSFlexGrid(QWidget *parent, const QString &name) : Control(parent, name) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    TakeFont();
    InstallGridAccessibility();
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
    heldCells_.assign(cells_.size(), false);
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
    const int pixels = std::max(TwipsToPixels(twips), 0);
    if (pixels == colWidths_[col]) return;
    colWidths_[col] = pixels;
    Repaint();
}

void MSFlexGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= rows_) return;
    const int pixels = std::max(TwipsToPixels(twips), 0);
    if (pixels == rowHeights_[row]) return;
    rowHeights_[row] = pixels;
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
    if (mode == mergeCells_) return;
    mergeCells_ = mode;
    Repaint();
}

bool MSFlexGrid::MergeRow(int row) const {
    return row >= 0 && row < rows_ && mergeRows_[row];
}

void MSFlexGrid::SetMergeRow(int row, bool on) {
    if (row < 0 || row >= rows_ || mergeRows_[row] == on) return;
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
    Cell &cell = cells_[row * cols_ + col];
    if (cell.text == text) return;
    cell.text = text;
    cell.placement = TextAlignment(cell.alignment, text);
    Changed(row, col);
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

void MSFlexGrid::SetCellForeColor(int32_t packed) {
    Cell *cell = Current();
    if (!cell || cell->fore == packed) return;
    cell->fore = packed;
    Changed(row_, col_);
}

void MSFlexGrid::SetCellFontBold(bool bold) {
    Cell *cell = Current();
    if (!cell || cell->bold == bold) return;
    cell->bold = bold;
    Changed(row_, col_);
}

void MSFlexGrid::SetCellAlignment(int alignment) {
    Cell *cell = Current();
    if (!cell || cell->alignment == alignment) return;
    cell->alignment = alignment;
    cell->placement = TextAlignment(alignment, cell->text);
    Changed(row_, col_);
}

void MSFlexGrid::SetCellFormat(int row, int col, int32_t back, int32_t fore, bool bold,
                               bool selected) {
    if (!Inside(row, col)) return;
    Cell &cell = cells_[row * cols_ + col];
    cell.selected = selected;
    if (cell.back == back && cell.fore == fore && cell.bold == bold) return;
    cell.back = back;
    cell.fore = fore;
    cell.bold = bold;
    Changed(row, col);
}

bool MSFlexGrid::IsSelectedCell(int row, int col) const {
    return Inside(row, col) && cells_[row * cols_ + col].selected;
}

void MSFlexGrid::SetBackColor(int32_t packed) {
    if (packed == backColor_) return;
    backColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetForeColor(int32_t packed) {
    if (packed == foreColor_) return;
    foreColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetGridColor(int32_t packed) {
    if (packed == gridColor_) return;
    gridColor_ = packed;
    Repaint();
}

void MSFlexGrid::SetRedraw(bool on) {
    redraw_ = on;
    if (!on || !(heldAll_ || heldAny_)) return;
    Changed(heldAll_ ? QRegion(rect()) : HeldRegion());
    heldAll_ = false;
    heldAny_ = false;
    std::fill(heldCells_.begin(), heldCells_.end(), false);
}

QRegion MSFlexGrid::HeldRegion() const {
    // Row by row, each run of neighbouring held cells as one rectangle: the bands a
    // region is made of, built at once rather than joined cell by cell.
    const std::vector<int> xs = Boundaries(colWidths_);
    const std::vector<int> ys = Boundaries(rowHeights_);
    std::vector<QRect> runs;
    for (int r = 0; r < rows_; ++r) {
        if (ys[r + 1] == ys[r]) continue;
        for (int c = 0; c < cols_;) {
            if (!heldCells_[r * cols_ + c]) {
                ++c;
                continue;
            }
            const int first = c;
            while (c < cols_ && heldCells_[r * cols_ + c])
                ++c;
            if (xs[c] > xs[first])
                runs.emplace_back(xs[first], ys[r], xs[c] - xs[first], ys[r + 1] - ys[r]);
        }
    }
    // Past a few rectangles, the one around them: Qt joins and clips a region of many
    // rectangles at a cost far above painting the few unchanged cells inside it.
    constexpr std::size_t MostRects = 4;
    if (runs.size() > MostRects)
        return std::accumulate(runs.begin(), runs.end(), QRect(), std::bit_or<QRect>());
    QRegion held;
    held.setRects(runs.data(), static_cast<int>(runs.size()));
    return held;
}

void MSFlexGrid::Refresh() {
    if (redraw_ && !due_.isEmpty()) update(due_);
}

void MSFlexGrid::Clear() {
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            Cell &cell = cells_[r * cols_ + c];
            const bool plain = cell.text.isEmpty() && cell.back == NoColor &&
                               cell.fore == NoColor && !cell.bold && cell.alignment == General;
            if (plain && !cell.selected) continue;
            cell = Cell();
            if (!plain) Changed(r, c);
        }
}

void MSFlexGrid::Repaint() {
    if (!redraw_) {
        heldAll_ = true;
        return;
    }
    Changed(rect());
}

void MSFlexGrid::Changed(int row, int col) {
    // A merged title takes its text and format from its first cell and may grow or
    // shrink with any text of its row: the whole row is painted again.
    const bool merged = mergeCells_ != 0 && mergeRows_[row];
    if (!redraw_) {
        const auto at = heldCells_.begin() + row * cols_;
        if (merged)
            std::fill(at, at + cols_, true);
        else
            at[col] = true;
        heldAny_ = true;
        return;
    }
    const int top = std::accumulate(rowHeights_.begin(), rowHeights_.begin() + row, 0);
    const int left = merged ? 0 : std::accumulate(colWidths_.begin(), colWidths_.begin() + col, 0);
    const int width =
        merged ? std::accumulate(colWidths_.begin(), colWidths_.end(), 0) : colWidths_[col];
    Changed(QRegion(left, top, width, rowHeights_[row]));
}

void MSFlexGrid::Changed(const QRegion &area) {
    due_ += area;
    update(area);
}

int MSFlexGrid::ColumnAt(int x) const {
    return IndexAt(colWidths_, x);
}

int MSFlexGrid::RowAt(int y) const {
    return IndexAt(rowHeights_, y);
}

void MSFlexGrid::paintEvent(QPaintEvent *event) {
    const QRegion &region = event->region();
    due_ -= region;
    QPainter painter(this);
    const std::vector<int> xs = Boundaries(colWidths_);
    const std::vector<int> ys = Boundaries(rowHeights_);
    // Each cell owns the lines along its left and top edges, and every cell the paint
    // touches is painted whole. At one device pixel a pixel a line covers exactly the
    // pixels between the cells' insides: the cells' area, closing lines included, is
    // filled in the line colour under them, far cheaper than drawing the lines.
    // Scaled, a line's pen is centred on it and decides which device pixels it
    // covers: the lines are drawn over the cells at the end, in one go.
    const qreal ratio = painter.device()->devicePixelRatio();
    const bool linesUnder = ratio == 1;
    const QRect cellsArea(0, 0, xs.back() + 1, ys.back() + 1);
    if (!linesUnder || !cellsArea.contains(event->rect()))
        painter.fillRect(event->rect(), ToQColor(backColor_));
    if (linesUnder) painter.fillRect(event->rect() & cellsArea, ToQColor(gridColor_));
    GridLines lines(cols_);
    for (int r = 0; r < rows_ && ys[r] < height(); ++r) {
        const int top = ys[r];
        const int bottom = ys[r + 1];
        if (bottom == top || !region.intersects(QRect(0, top, xs.back(), bottom - top))) continue;
        for (int c = 0; c < cols_ && xs[c] < width();) {
            const auto [first, last] = MergeSpan(r, c);
            c = last + 1;
            const int left = xs[first];
            const int right = xs[last + 1];
            if (right == left || !region.intersects(QRect(left, top, right - left, bottom - top)))
                continue;
            if (!linesUnder) {
                lines.AddVertical(first, left, top, bottom - 1);
                lines.AddHorizontal(left, right - 1, top);
            }
            PaintCell(painter, ratio, cells_[r * cols_ + first],
                      QRect(left + 1, top + 1, right - left - 1, bottom - top - 1));
        }
    }
    if (linesUnder) return;
    // The lines that close the last column and the last row.
    std::vector<QLine> all = lines.Take();
    all.emplace_back(xs.back(), 0, xs.back(), ys.back());
    all.emplace_back(0, ys.back(), xs.back(), ys.back());
    painter.setPen(ToQColor(gridColor_));
    painter.drawLines(all.data(), static_cast<int>(all.size()));
}

size_t qHash(const MSFlexGrid::Look &look, size_t seed) noexcept {
    return qHashMulti(seed, look.text, look.back, look.fore, look.bold, look.size.width(),
                      look.size.height(), look.ratio);
}

void MSFlexGrid::PaintCell(QPainter &painter, qreal ratio, const Cell &cell, const QRect &inside) {
    const Look look{cell.text,
                    cell.back == NoColor ? backColor_ : cell.back,
                    cell.fore == NoColor ? foreColor_ : cell.fore,
                    cell.bold,
                    cell.placement,
                    inside.size(),
                    ratio};
    // At a fractional ratio a cell's edges fall inside device pixels: its picture
    // would be resampled.
    if (look.ratio != std::round(look.ratio)) {
        DrawCell(painter, look, inside);
        return;
    }
    painter.drawImage(inside.topLeft(), CellPicture(look));
}

const QImage &MSFlexGrid::CellPicture(const Look &look) {
    // Looks of years gone by are let go now and then.
    constexpr qsizetype MostPictures = 1024;
    if (const auto known = pictures_.constFind(look); known != pictures_.cend()) return *known;
    if (pictures_.size() >= MostPictures) pictures_.clear();
    QImage picture(look.size * look.ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(look.ratio);
    QPainter painter(&picture);
    DrawCell(painter, look, QRect(QPoint(0, 0), look.size));
    return *pictures_.insert(look, picture);
}

void MSFlexGrid::DrawCell(QPainter &painter, const Look &look, const QRect &inside) const {
    painter.fillRect(inside, ToQColor(look.back));
    if (look.text.isEmpty()) return;

    const Face &face = faces_[look.bold ? 1 : 0];
    painter.setFont(face.font);
    painter.setPen(ToQColor(look.fore));
    QStaticText text(look.text);
    text.prepare(QTransform(), face.font);
    const int width = QFontMetrics(face.font, this).horizontalAdvance(look.text);

    const QRect area = inside.adjusted(TextPadding, 0, -TextPadding, 0);
    const Qt::Alignment at = look.placement;
    const int x = at & Qt::AlignRight     ? area.right() + 1 - width
                  : at & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                          : area.left();
    const int baseline = at & Qt::AlignTop ? area.top() + face.ascent
                         : at & Qt::AlignBottom
                             ? area.bottom() + 1 - face.descent
                             : area.top() + (area.height() - face.height) / 2 + face.ascent;
    const QPointF topLeft(x, baseline - face.exactAscent);
    if (width <= area.width() && face.height <= area.height()) {
        painter.drawStaticText(topLeft, text);
        return;
    }
    // Text too large for its cell is cut at the cell's edges.
    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.drawStaticText(topLeft, text);
    painter.restore();
}

void MSFlexGrid::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    TakeFont();
    pictures_.clear();
    Repaint();
}

void MSFlexGrid::TakeFont() {
    for (int bold = 0; bold < 2; ++bold) {
        Face &face = faces_[bold];
        face.font = font();
        face.font.setBold(bold == 1);
        const QFontMetrics metrics(face.font, this);
        face.ascent = metrics.ascent();
        face.descent = metrics.descent();
        face.height = metrics.height();
        face.exactAscent = QFontMetricsF(face.font, this).ascent();
    }
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
