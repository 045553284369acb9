// Line: a straight line drawn over its container.
//  - SetEnds(x1, y1, x2, y2) and X1/Y1/X2/Y2, in twips from the container's corner
//  - SetBorderColor (packed colour), SetBorderWidth in pixels
//  - mouse presses pass through to the container
#pragma once

#include "Control.h"

#include <QPoint>
#include <QWidget>
#include <cstdint>

namespace platform {

class Line : public Control<QWidget> {
    Q_OBJECT

  public:
    Line(QWidget *parent, const QString &name);

    void SetEnds(int x1, int y1, int x2, int y2);
    int X1() const { return PixelsToTwips(from_.x()); }
    int Y1() const { return PixelsToTwips(from_.y()); }
    int X2() const { return PixelsToTwips(to_.x()); }
    int Y2() const { return PixelsToTwips(to_.y()); }
    void SetBorderColor(int32_t packed);
    void SetBorderWidth(int pixels);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void Relayout();

    QPoint from_; // in the container's pixels
    QPoint to_;
    int32_t color_ = 0;
    int width_ = 1;
};

} // namespace platform
