#include "CommandButton.h"

#include "Input.h"

#include <QMouseEvent>

namespace platform {

namespace {

// Room left between a picture and the button's edge, in pixels.
constexpr int PictureInset = 4;

} // namespace

CommandButton::CommandButton(QWidget *parent, const QString &name) : Control(parent, name) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::SetPicture(const QIcon &picture) {
    setIcon(picture);
    FitPicture();
}

void CommandButton::SetBackColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Button}, packed);
}

void CommandButton::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(MouseButtonCode(event->button()), ShiftState(event->modifiers()),
                   PixelsToTwips(at.x()), PixelsToTwips(at.y()));
    QPushButton::mousePressEvent(event);
}

void CommandButton::resizeEvent(QResizeEvent *event) {
    QPushButton::resizeEvent(event);
    FitPicture();
}

void CommandButton::FitPicture() {
    if (icon().isNull()) return;
    setIconSize(size()
                    .shrunkBy(QMargins(PictureInset, PictureInset, PictureInset, PictureInset))
                    .expandedTo(QSize(1, 1)));
}

} // namespace platform
