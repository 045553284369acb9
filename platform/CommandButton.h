// CommandButton: a push button with a caption or a picture.
//  - Caption / SetCaption; SetPicture (drawn to fill the button, sharp at any scale
//    when the icon carries a large enough pixmap or draws itself); SetBackColor
//  - all of Control<W> (Enabled, Visible, TabStop, TabIndex, ToolTipText, ZOrder...)
//  - events: MouseDown(button, shift, x, y) on every press, before anything else
//    happens (button 1 left, 2 right; x, y in twips); Click when the left button is
//    released over the button, or on Space
//
// A MouseDown handler may destroy the window the button sits on: forms are deleted
// later, from the event loop (see FormRef).
#pragma once

#include "Control.h"

#include <QIcon>
#include <QPushButton>
#include <cstdint>

namespace platform {

class CommandButton : public Control<QPushButton> {
    Q_OBJECT

  public:
    CommandButton(QWidget *parent, const QString &name);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    void SetPicture(const QIcon &picture);
    void SetBackColor(int32_t packed);

  signals:
    void Click();
    void MouseDown(int button, int shift, int x, int y);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void FitPicture();
};

} // namespace platform
