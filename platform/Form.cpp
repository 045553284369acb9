#include "Form.h"

#include "Control.h"
#include "Units.h"

#include <QCloseEvent>
#include <QWindow>
#include <algorithm>

namespace platform {

Form::Form(const QString &name)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(name);
}

void Form::Show() {
    show();
    raise();
    activateWindow();
}

void Form::Refresh() {
    repaint();
}

bool Form::Exposed() const {
    return windowHandle() != nullptr && windowHandle()->isExposed();
}

int Form::WindowState() const {
    if (windowState() & Qt::WindowMinimized) return WindowMinimised;
    if (windowState() & Qt::WindowMaximized) return WindowMaximised;
    return WindowNormal;
}

void Form::SetWindowState(int state) {
    const Qt::WindowStates others =
        windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    setWindowState(state == WindowMinimised   ? others | Qt::WindowMinimized
                   : state == WindowMaximised ? others | Qt::WindowMaximized
                                              : others);
}

int Form::Left() const {
    return PixelsToTwips(x());
}
int Form::Top() const {
    return PixelsToTwips(y());
}
int Form::Width() const {
    return PixelsToTwips(frameGeometry().width());
}
int Form::Height() const {
    return PixelsToTwips(frameGeometry().height());
}

void Form::SetLeft(int twips) {
    move(TwipsToPixels(twips), y());
}
void Form::SetTop(int twips) {
    move(x(), TwipsToPixels(twips));
}

void Form::SetWidth(int twips) {
    SetInnerSize(TwipsToPixels(twips) - FrameExtra().width(), height());
}

void Form::SetHeight(int twips) {
    SetInnerSize(width(), TwipsToPixels(twips) - FrameExtra().height());
}

int Form::ScaleWidth() const {
    return PixelsToTwips(width());
}
int Form::ScaleHeight() const {
    return PixelsToTwips(height());
}

void Form::SetBackColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Window}, packed);
    setAutoFillBackground(true);
}

void Form::SetInnerSize(int width, int height) {
    // The code sizes the windows; the user does not.
    setFixedSize(std::max(width, 1), std::max(height, 1));
}

QSize Form::FrameExtra() const {
    return frameGeometry().size() - size();
}

void Form::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    everShown_ = true;
}

void Form::closeEvent(QCloseEvent *event) {
    event->ignore();
    Form_TitleBarClose();
}

} // namespace platform
