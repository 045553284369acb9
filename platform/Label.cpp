#include "Label.h"

namespace platform {

Label::Label(QWidget *parent, const QString &name) : Control(parent, name) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString &caption) {
    caption_ = caption;
    setText(WithLineBreaks(caption));
}

void Label::SetAlignment(int alignment) {
    const Qt::Alignment horizontal = alignment == 1   ? Qt::AlignRight
                                     : alignment == 2 ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetFontBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::SetFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void Label::SetForeColor(int32_t packed) {
    SetColorRoles(this, {QPalette::WindowText}, packed);
}

void Label::SetBackColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Window}, packed);
}

void Label::SetBackStyle(int style) {
    setAutoFillBackground(style == 1);
}

} // namespace platform
