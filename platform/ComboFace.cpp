#include "ComboFace.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <QStylePainter>

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

QPixmap DrawFace(QWidget &combo, const QStyleOptionComboBox &option, qreal ratio) {
    QPixmap face(option.rect.size() * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    // What QComboBox::paintEvent draws, with the pen and font a painter on the widget
    // starts with.
    QStylePainter painter(&face, &combo);
    painter.setFont(combo.font());
    painter.setPen(combo.palette().color(QPalette::Text));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    return face;
}

} // namespace

void PaintComboFace(QWidget &combo, const QStyleOptionComboBox &option, QPainter &painter) {
    // Faces of texts gone by are let go now and then.
    constexpr qsizetype MostFaces = 512;
    static QHash<FaceKey, QPixmap> faces;
    const qreal ratio = painter.device()->devicePixelRatio();
    const FaceKey key = KeyOf(combo, option, ratio);
    auto known = faces.constFind(key);
    if (known == faces.cend()) {
        if (faces.size() >= MostFaces) faces.clear();
        known = faces.insert(key, DrawFace(combo, option, ratio));
    }
    painter.drawPixmap(option.rect.topLeft(), *known);
}

} // namespace platform
