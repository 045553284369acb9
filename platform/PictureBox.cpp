#include "PictureBox.h"

#include "Input.h"

#include <QKeyEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget *parent, const QString &name) : Control(parent, name) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
}

bool PictureBox::LoadPicture(const QString &path) {
    QPixmap loaded;
    if (!loaded.load(path)) return false;
    picture_ = loaded;
    update();
    return true;
}

bool PictureBox::LoadSharpPicture(const QString &path) {
    QPixmap loaded;
    if (!loaded.load(path)) return false;
    loaded.setDevicePixelRatio(2);
    sharpPicture_ = loaded;
    update();
    return true;
}

int PictureBox::PictureWidth() const {
    return PixelsToTwips(qRound(picture_.deviceIndependentSize().width()));
}

int PictureBox::PictureHeight() const {
    return PixelsToTwips(qRound(picture_.deviceIndependentSize().height()));
}

void PictureBox::SetBackColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Window}, packed);
}

void PictureBox::paintEvent(QPaintEvent *) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    const bool sharp = !sharpPicture_.isNull() && devicePixelRatioF() > 1;
    painter.drawPixmap(0, 0, sharp ? sharpPicture_ : picture_);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *) {
    emit DblClick();
}

void PictureBox::keyPressEvent(QKeyEvent *event) {
    int charCode = CharacterCode(*event);
    if (charCode == 0) {
        Control::keyPressEvent(event);
        return;
    }
    emit KeyPress(charCode);
}

} // namespace platform
