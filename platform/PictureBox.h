// PictureBox: a bitmap from a file, and the container that shapes and labels are
// drawn on.
//  - LoadPicture(path): false when the file is missing or not a readable picture
//    (the box keeps its background then); PictureWidth / PictureHeight in twips
//    (0 without a picture)
//  - LoadSharpPicture(path): the same picture at twice the size, drawn in its place
//    when the screen has more than one device pixel per pixel; sizes still come from
//    the picture itself, and without it (missing file) the picture is drawn scaled
//  - SetBackColor (packed colour) for the area the picture does not cover
//  - controls created with the box as parent sit on it, their Left/Top counted from
//    its top-left corner; the picture is drawn from that corner at its own size
//  - takes the keyboard focus; events: DblClick, KeyPress(charCode) with Esc 27 and
//    Enter 13 (setting charCode to 0 swallows the key)
#pragma once

#include "Control.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace platform {

class PictureBox : public Control<QWidget> {
    Q_OBJECT

  public:
    PictureBox(QWidget *parent, const QString &name);

    bool LoadPicture(const QString &path);
    bool LoadSharpPicture(const QString &path);
    int PictureWidth() const;
    int PictureHeight() const;
    void SetBackColor(int32_t packed);

  signals:
    void DblClick();
    void KeyPress(int &charCode);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QPixmap picture_;
    QPixmap sharpPicture_;
};

} // namespace platform
