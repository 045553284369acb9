#include "GridReference.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Padding = 2; // pixels between a text and the cell's side

Qt::Alignment Placement(int alignment, const QString &text) {
    if (alignment == platform::MSFlexGrid::AlignCentreCentre) return Qt::AlignHCenter;
    bool number = false;
    text.toDouble(&number);
    return number ? Qt::AlignRight : Qt::AlignLeft;
}

void DrawText(QPainter &painter, const QRect &inside, const QString &text, Qt::Alignment at) {
    const QRect area = inside.adjusted(Padding, 0, -Padding, 0);
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int x = at & Qt::AlignRight     ? area.right() + 1 - width
                  : at & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                          : area.left();
    const int y = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
    painter.save();
    if (width > area.width() || metrics.height() > area.height()) painter.setClipRect(inside);
    painter.drawText(x, y, text);
    painter.restore();
}

} // namespace

QImage ReferenceGrid(platform::MSFlexGrid &grid) {
    QPixmap picture(grid.size() * grid.devicePixelRatio());
    picture.setDevicePixelRatio(grid.devicePixelRatio());
    QPainter painter(&picture);
    painter.setFont(grid.font());
    const QColor gridColor = platform::ToQColor(grid.GridColor());
    painter.fillRect(picture.rect(), platform::ToQColor(grid.BackColor()));
    const int row0 = grid.Row();
    const int col0 = grid.Col();
    int right = 0;
    int bottom = 0;
    for (int r = 0; r < grid.Rows(); ++r) {
        const int top = platform::TwipsToPixels(grid.RowPos(r));
        bottom = top + platform::TwipsToPixels(grid.RowHeight(r));
        for (int c = 0; c < grid.Cols(); ++c) {
            const auto [first, last] = grid.MergeSpan(r, c);
            if (first != c) continue;
            const int left = platform::TwipsToPixels(grid.ColPos(first));
            right = platform::TwipsToPixels(grid.ColPos(last)) +
                    platform::TwipsToPixels(grid.ColWidth(last));
            if (right == left || bottom == top) continue;
            painter.setPen(gridColor);
            painter.drawLine(left, top, left, bottom - 1);
            painter.drawLine(left, top, right - 1, top);
            grid.SetRow(r);
            grid.SetCol(c);
            const int32_t back =
                grid.CellBackColor() != 0 ? grid.CellBackColor() : grid.BackColor();
            const int32_t fore =
                grid.CellForeColor() != 0 ? grid.CellForeColor() : grid.ForeColor();
            const QRect inside(left + 1, top + 1, right - left - 1, bottom - top - 1);
            painter.fillRect(inside, platform::ToQColor(back));
            const QString text = grid.TextMatrix(r, c);
            if (text.isEmpty()) continue;
            QFont font = grid.font();
            font.setBold(grid.CellFontBold());
            painter.setFont(font);
            painter.setPen(platform::ToQColor(fore));
            DrawText(painter, inside, text, Placement(grid.CellAlignment(), text));
        }
    }
    painter.setPen(gridColor);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
    grid.SetRow(row0);
    grid.SetCol(col0);
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage GrabbedGrid(platform::MSFlexGrid &grid) {
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
