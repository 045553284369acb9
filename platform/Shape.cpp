#include "Shape.h"

#include <QPainter>
#include <algorithm>

namespace platform {

Shape::Shape(QWidget *parent, const QString &name) : Control(parent, name) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Relayout();
}

void Shape::SetShape(int shape) {
    shape_ = shape;
    update();
}

void Shape::SetFillStyle(int style) {
    fillStyle_ = style;
    update();
}

void Shape::SetFillColor(int32_t packed) {
    fillColor_ = packed;
    update();
}

void Shape::SetBorderColor(int32_t packed) {
    borderColor_ = packed;
    update();
}

void Shape::SetBorderWidth(int pixels) {
    borderWidth_ = std::max(pixels, 1);
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
    bounds_.moveLeft(TwipsToPixels(twips));
    Relayout();
}

void Shape::SetTop(float twips) {
    bounds_.moveTop(TwipsToPixels(twips));
    Relayout();
}

void Shape::SetWidth(float twips) {
    bounds_.setWidth(std::max(TwipsToPixels(twips), 0));
    Relayout();
}

void Shape::SetHeight(float twips) {
    bounds_.setHeight(std::max(TwipsToPixels(twips), 0));
    Relayout();
}

void Shape::Move(float left, float top, float width, float height) {
    bounds_ = QRect(TwipsToPixels(left), TwipsToPixels(top), std::max(TwipsToPixels(width), 0),
                    std::max(TwipsToPixels(height), 0));
    Relayout();
}

int Shape::Margin() const {
    return borderWidth_ / 2 + 1;
}

void Shape::Relayout() {
    const int m = Margin();
    setGeometry(bounds_.adjusted(-m, -m, m, m));
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
