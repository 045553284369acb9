#include "Line.h"

#include <QPainter>
#include <algorithm>

namespace platform {

Line::Line(QWidget *parent, const QString &name) : Control(parent, name) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Relayout();
}

void Line::SetEnds(int x1, int y1, int x2, int y2) {
    from_ = QPoint(TwipsToPixels(x1), TwipsToPixels(y1));
    to_ = QPoint(TwipsToPixels(x2), TwipsToPixels(y2));
    Relayout();
}

void Line::SetBorderColor(int32_t packed) {
    color_ = packed;
    update();
}

void Line::SetBorderWidth(int pixels) {
    width_ = std::max(pixels, 1);
    Relayout();
}

void Line::Relayout() {
    const int m = width_ / 2 + 1;
    setGeometry(QRect(from_, to_).normalized().adjusted(-m, -m, m, m));
    update();
}

void Line::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(color_), width_, Qt::SolidLine, Qt::FlatCap));
    const QPointF shift = QPointF(0.5, 0.5) - QPointF(pos());
    painter.drawLine(QPointF(from_) + shift, QPointF(to_) + shift);
}

} // namespace platform
