// Control: what every control of a window offers, in the windows' vocabulary.
//  - Control<W>: a Qt widget W with its design name as objectName and
//    Left/Top/Width/Height in twips, Visible, Enabled, ToolTipText, AccessibleName,
//    TabStop, TabIndex, ZOrder and SetFocus
//  - ElementName: the objectName of an element of a control array ("Combo2_3")
//  - SetColorRoles: gives a widget a packed colour in some of its palette's roles
//  - WithLineBreaks: a caption's CR LF pairs as the line breaks Qt draws
//
// Visible and Enabled are the control's own settings, as the window code reads them: a
// control on a hidden window is still Visible.
//
// TabIndex is the control's place in its window's tab order, counted from 0 over the
// window's controls; setting it moves the control to that place and shifts the
// others, so the window code can set the designed order control by control.
#pragma once

#include "Units.h"

#include <QPalette>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <initializer_list>

namespace platform {

QString ElementName(const QString &name, int index);
QString WithLineBreaks(const QString &caption);
void SetColorRoles(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles,
                   int32_t packed);

// The non-template half of Control<W>, shared by every kind of control.
void MarkAsControl(QWidget *widget, const QString &name);
bool TabStopOf(const QWidget *widget);
void SetTabStopOf(QWidget *widget, bool on);
int TabIndexOf(const QWidget *widget);
void SetTabIndexOf(QWidget *widget, int index);

template <class W> class Control : public W {
  public:
    Control(QWidget *parent, const QString &name) : W(parent) { MarkAsControl(this, name); }

    int Left() const { return PixelsToTwips(this->x()); }
    int Top() const { return PixelsToTwips(this->y()); }
    int Width() const { return PixelsToTwips(this->width()); }
    int Height() const { return PixelsToTwips(this->height()); }
    void SetLeft(int twips) { this->move(TwipsToPixels(twips), this->y()); }
    void SetTop(int twips) { this->move(this->x(), TwipsToPixels(twips)); }
    void SetWidth(int twips) { this->resize(TwipsToPixels(twips), this->height()); }
    void SetHeight(int twips) { this->resize(this->width(), TwipsToPixels(twips)); }
    void Move(int left, int top, int width, int height) {
        this->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                          TwipsToPixels(height));
    }

    bool Visible() const { return !this->isHidden(); }
    void SetVisible(bool on) { this->setVisible(on); }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool on) { this->setEnabled(on); }
    QString ToolTipText() const { return this->toolTip(); }
    void SetToolTipText(const QString &text) { this->setToolTip(text); }
    // The name assistive technology reads for a control without a caption of its own.
    void SetAccessibleName(const QString &name) { this->setAccessibleName(name); }

    bool TabStop() const { return TabStopOf(this); }
    void SetTabStop(bool on) { SetTabStopOf(this, on); }
    int TabIndex() const { return TabIndexOf(this); }
    void SetTabIndex(int index) { SetTabIndexOf(this, index); }

    // 0 brings the control in front of its siblings, 1 sends it behind them.
    void ZOrder(int position = 0) { position == 0 ? this->raise() : this->lower(); }
    void SetFocus() { this->setFocus(Qt::OtherFocusReason); }
};

} // namespace platform
