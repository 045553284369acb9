#include "Shape.h"

#include <QPainter>
#include <algorithm>

namespace platform {

Shape::Shape(QWidget *parent, const QString &name) : Control(parent, name) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Relayout();
}

void Shape::SetShape(int shape) {
    if (shape == shape_) return;
    shape_ = shape;
    update();
}

void Shape::SetFillStyle(int style) {
    if (style == fillStyle_) return;
    fillStyle_ = style;
    update();
}

void Shape::SetFillColor(int32_t packed) {
    if (packed == fillColor_) return;
    fillColor_ = packed;
    update();
}

void Shape::SetBorderColor(int32_t packed) {
    if (packed == borderColor_) return;
    borderColor_ = packed;
    update();
}

void Shape::SetBorderWidth(int pixels) {
    pixels = std::max(pixels, 1);
    if (pixels == borderWidth_) return;
    borderWidth_ = pixels;
    Relayout();
}

float Shape::Left() const {
    return static_cast<float>(PixelsToTwips(bounds_.x()));
}
float Shape::Top() const {
    return static_cast<float>(PixelsToTwips(bounds_.y()));
}
float Shape::Width() const {
    return static_cast<float>(PixelsToTwips(bounds_.width()));
}
float Shape::Height() const {
    return static_cast<float>(PixelsToTwips(bounds_.height()));
}

void Shape::SetLeft(float twips) {
    Place(bounds_.translated(TwipsToPixels(twips) - bounds_.x(), 0));
}

void Shape::SetTop(float twips) {
    Place(bounds_.translated(0, TwipsToPixels(twips) - bounds_.y()));
}

void Shape::SetWidth(float twips) {
    Place(QRect(bounds_.topLeft(), QSize(std::max(TwipsToPixels(twips), 0), bounds_.height())));
}

void Shape::SetHeight(float twips) {
    Place(QRect(bounds_.topLeft(), QSize(bounds_.width(), std::max(TwipsToPixels(twips), 0))));
}

void Shape::Move(float left, float top, float width, float height) {
    Place(QRect(TwipsToPixels(left), TwipsToPixels(top), std::max(TwipsToPixels(width), 0),
                std::max(TwipsToPixels(height), 0)));
}

void Shape::Place(const QRect &bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Relayout();
}

int Shape::Margin() const {
    return borderWidth_ / 2 + 1;
}

void Shape::Relayout() {
    const int m = Margin();
    const QRect placed = bounds_.adjusted(-m, -m, m, m);
    if (placed != geometry()) setGeometry(placed);
    update();
}

void Shape::paintEvent(QPaintEvent *) {
    if (bounds_.isEmpty()) return;
    QRectF outline(Margin(), Margin(), bounds_.width(), bounds_.height());
    if (shape_ == ShapeSquare || shape_ == ShapeCircle) {
        const qreal side = std::min(outline.width(), outline.height());
        QRectF box(0, 0, side, side);
        box.moveCenter(outline.center());
        outline = box;
    }
    // A one-pixel border covers the outermost pixels of the bounds; wider ones are
    // centred on that line.
    outline.adjust(0.5, 0.5, -0.5, -0.5);

    QPainter painter(this);
    painter.setPen(
        QPen(ToQColor(borderColor_), borderWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fillStyle_ == FillSolid ? QBrush(ToQColor(fillColor_)) : QBrush(Qt::NoBrush));
    if (shape_ == ShapeOval || shape_ == ShapeCircle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
    }
}

} // namespace platform
