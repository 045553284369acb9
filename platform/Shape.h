// Shape: a rectangle or circle drawn over its container (a window or a picture box).
//  - SetShape: ShapeRectangle, ShapeSquare, ShapeOval, ShapeCircle (ShapeStyle.h;
//    square and circle take the shorter side and sit centred in the bounds)
//  - SetFillStyle: FillSolid in the FillColor, FillTransparent (the default)
//  - SetFillColor, SetBorderColor (packed colours); SetBorderWidth in pixels, the
//    border centred on the outline, as wide as asked
//  - Left/Top/Width/Height in twips as single-precision values; a value reads back
//    as the whole pixels it was rounded to
//  - Visible; mouse presses pass through to the container
#pragma once

#include "Control.h"
#include "ShapeStyle.h"

#include <QWidget>
#include <cstdint>

namespace platform {

class Shape : public Control<QWidget> {
    Q_OBJECT

  public:
    Shape(QWidget *parent, const QString &name);

    void SetShape(int shape);
    int ShapeKind() const { return shape_; }
    void SetFillStyle(int style);
    int FillStyle() const { return fillStyle_; }
    void SetFillColor(int32_t packed);
    void SetBorderColor(int32_t packed);
    void SetBorderWidth(int pixels);
    int BorderWidth() const { return borderWidth_; }

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    void Move(float left, float top, float width, float height);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    // The widget reaches past the outline by the border's outer half.
    int Margin() const;
    // Setting what a shape already is repaints nothing.
    void Place(const QRect &bounds);
    void Relayout();

    QRect bounds_; // the outline, in the container's pixels
    int shape_ = ShapeRectangle;
    int fillStyle_ = FillTransparent;
    int32_t fillColor_ = 0;
    int32_t borderColor_ = 0;
    int borderWidth_ = 1;
};

} // namespace platform
