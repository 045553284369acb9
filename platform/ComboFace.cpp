#include "ComboFace.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <utility>

namespace platform {

namespace {

// Everything of the style option and the widget that the face's pixels depend on.
struct FaceKey {
    QString text;
    QSize size;
    qreal ratio = 1;
    int state = 0;
    int activeParts = 0;
    int parts = 0;
    bool frame = true;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    qint64 palette = 0;
    QFont font;
    const QStyle *style = nullptr;
    bool operator==(const FaceKey &) const = default;
};

size_t qHash(const FaceKey &key, size_t seed = 0) {
    return qHashMulti(seed, key.text, key.size.width(), key.size.height(), key.ratio, key.state,
                      key.activeParts, key.palette, key.font);
}

FaceKey KeyOf(const QWidget &combo, const QStyleOptionComboBox &option, qreal ratio) {
    return {option.currentText,
            option.rect.size(),
            ratio,
            static_cast<int>(option.state),
            static_cast<int>(option.activeSubControls),
            static_cast<int>(option.subControls),
            option.frame,
            option.direction,
            option.palette.cacheKey(),
            combo.font(),
            combo.style()};
}

// The face without its text: a date change gives most lists a text they never showed,
// on a frame and arrow they all share.
QPixmap DrawFrame(QWidget &combo, const QStyleOptionComboBox &option, qreal ratio) {
    QPixmap frame(option.rect.size() * ratio);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);
    QStylePainter painter(&frame, &combo);
    painter.setFont(combo.font());
    painter.setPen(combo.palette().color(QPalette::Text));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    return frame;
}

// What QComboBox::paintEvent draws, with the pen and font a painter on the widget
// starts with: the frame, then the text over it.
QPixmap DrawFace(QWidget &combo, const QStyleOptionComboBox &option, const QPixmap &frame) {
    QPixmap face = frame;
    QStylePainter painter(&face, &combo);
    painter.setFont(combo.font());
    painter.setPen(combo.palette().color(QPalette::Text));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    return face;
}

// Looks drawn so far, by key, in two generations: when the young one is full it
// becomes the old one and the old one goes. A look used again moves back to the young
// one, so that the few texts a list keeps coming back to (week days, months, weeks)
// outlive the many it shows once (years, days of the year).
template <qsizetype Most> class Pictures {
  public:
    template <typename Draw> const QPixmap &Find(const FaceKey &key, Draw draw) {
        if (const auto known = young_.constFind(key); known != young_.cend()) return *known;
        QPixmap picture = old_.take(key);
        if (picture.isNull()) picture = draw();
        if (young_.size() >= Most) old_ = std::exchange(young_, {});
        return *young_.insert(key, picture);
    }

  private:
    QHash<FaceKey, QPixmap> young_;
    QHash<FaceKey, QPixmap> old_;
};

} // namespace

void PaintComboFace(QWidget &combo, const QStyleOptionComboBox &option, QPainter &painter) {
    static Pictures<256> faces;
    static Pictures<32> frames;
    const qreal ratio = painter.device()->devicePixelRatio();
    const FaceKey key = KeyOf(combo, option, ratio);
    const QPixmap &face = faces.Find(key, [&] {
        FaceKey textless = key;
        textless.text.clear();
        return DrawFace(combo, option,
                        frames.Find(textless, [&] { return DrawFrame(combo, option, ratio); }));
    });
    painter.drawPixmap(option.rect.topLeft(), face);
}

} // namespace platform
