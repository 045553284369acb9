#include "frame/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace Start {

namespace {

// Draws a picture the first time it is asked for at a scale, and keeps it. Most
// windows stay hidden for a whole run and most screens are of one density, so most
// pictures are never drawn at all, and the rest at one scale only.
class DrawnWhenNeeded final : public QIconEngine {
  public:
    explicit DrawnWhenNeeded(std::function<QPixmap(qreal ratio)> draw)
        : made_(std::make_shared<Made>(Made{std::move(draw), {}, {}, false})) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        MadeFor(rect.size() * painter->device()->devicePixelRatioF())
            .paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return MadeFor(size).actualSize(size, mode, state);
    }
    // size: in the screen's pixels, the logical size times the pixel ratio.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return MadeFor(size).pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return MadeFor({}).availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new DrawnWhenNeeded(*this); }

  private:
    struct Made {
        std::function<QPixmap(qreal ratio)> draw;
        QIcon pictures; // holds what was drawn, and makes the disabled looks from it
        QSize logical;
        bool doubleDrawn;
    };

    // The pictures, with the one at pixel ratio 2 among them when pixels is larger
    // than the picture at ratio 1.
    const QIcon &MadeFor(QSize pixels) {
        Made &made = *made_;
        if (made.logical.isEmpty()) {
            const QPixmap single = made.draw(1.0);
            made.logical = single.size();
            made.pictures.addPixmap(single);
        }
        if (!made.doubleDrawn &&
            (pixels.width() > made.logical.width() || pixels.height() > made.logical.height())) {
            made.pictures.addPixmap(made.draw(2.0));
            made.doubleDrawn = true;
        }
        return made.pictures;
    }

    std::shared_ptr<Made> made_;
};

} // namespace

QIcon SharpPicture(const std::function<QPixmap(qreal ratio)> &draw) {
    return QIcon(new DrawnWhenNeeded(draw));
}

} // namespace Start
