#include "GridAccessible.h"

#include "MSFlexGrid.h"

#include <QAccessibleWidget>

namespace platform {

namespace {

class GridTable;

class GridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    GridCell(MSFlexGrid *grid, int row, int col) : grid_(grid), row_(row), col_(col) {}

    bool isValid() const override { return grid_ && row_ < grid_->Rows() && col_ < grid_->Cols(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? grid_->TextMatrix(row_, col_) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.invisible = !grid_->isVisible();
        state.disabled = !grid_->isEnabled();
        state.selectable = true;
        state.selected = isSelected();
        return state;
    }
    // Where the cell is drawn: a merged title covers its whole span.
    QRect rect() const override {
        if (!isValid()) return {};
        const auto [first, last] = grid_->MergeSpan(row_, col_);
        const QRect local(TwipsToPixels(grid_->ColPos(first)), TwipsToPixels(grid_->RowPos(row_)),
                          TwipsToPixels(grid_->ColPos(last) + grid_->ColWidth(last)) -
                              TwipsToPixels(grid_->ColPos(first)),
                          TwipsToPixels(grid_->RowHeight(row_)));
        return QRect(grid_->mapToGlobal(local.topLeft()), local.size());
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface *>(this)
                   : nullptr;
    }

    bool isSelected() const override { return isValid() && grid_->IsSelectedCell(row_, col_); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

  private:
    QPointer<MSFlexGrid> grid_;
    int row_;
    int col_;
};

class GridTable final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit GridTable(MSFlexGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override {
        for (QAccessible::Id id : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Grid()->Rows() * Grid()->Cols(); }
    QAccessibleInterface *child(int index) const override {
        const int cols = Grid()->Cols();
        if (index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / cols, index % cols);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        const auto *cell = dynamic_cast<const GridCell *>(child);
        return cell && cell->isValid() ? cell->rowIndex() * Grid()->Cols() + cell->columnIndex()
                                       : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < columnCount(); ++c)
                if (QAccessibleInterface *cell = cellAt(r, c); cell->rect().contains(x, y))
                    return cell;
        return nullptr;
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        const int index = row * columnCount() + column;
        // A cell handed out before the grid changed shape may now stand elsewhere.
        if (const auto found = cells_.constFind(index); found != cells_.cend()) {
            auto *cell = static_cast<GridCell *>(QAccessible::accessibleInterface(*found));
            if (cell->rowIndex() == row && cell->columnIndex() == column) return cell;
            QAccessible::deleteAccessibleInterface(*found);
        }
        QAccessibleInterface *cell = new GridCell(Grid(), row, column);
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override {
        QList<QAccessibleInterface *> selected;
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < columnCount(); ++c)
                if (Grid()->IsSelectedCell(r, c)) selected.append(cellAt(r, c));
        return selected;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Grid()->Cols(); }
    int rowCount() const override { return Grid()->Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

  private:
    MSFlexGrid *Grid() const { return static_cast<MSFlexGrid *>(widget()); }

    // Cells already handed out, by row * columns + column.
    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface *GridInterface(const QString &className, QObject *object) {
    auto *grid = qobject_cast<MSFlexGrid *>(object);
    if (!grid || className != QLatin1String(MSFlexGrid::staticMetaObject.className()))
        return nullptr;
    return new GridTable(grid);
}

} // namespace

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&GridInterface);
        return true;
    }();
    (void)installed;
}

} // namespace platform
