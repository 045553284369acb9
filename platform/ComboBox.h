// ComboBox: the windows' drop-down list and drop-down combo.
//  - SetStyle: DropDownList (pick only, the default) or DropDownCombo (text can be typed)
//  - AddItem, AddItems (a whole list at once), Clear, ListCount, List(i), ItemData / SetItemData,
//  ListIndex (-1: none),
//    Text, BackColor / ForeColor (packed colours)
//  - events: GotFocus, LostFocus, Click, DropDown, Change, KeyDown, KeyPress
//
// Event rules, as the windows rely on them:
//  - Click: the user picked an item (mouse, arrow keys, typing a first letter), or code
//    changed ListIndex, or code set the Text of a drop-down list to another item. Code
//    raises it synchronously, inside SetListIndex / SetText, and only when the index
//    really changes. AddItem, AddItems and Clear raise nothing and never select an item.
//  - SetSingleItem(text): the list holds that one item, selected, as Clear, AddItem and
//    SetListIndex(0) leave it, but a list that already does is left alone (no repaint,
//    no Click); the windows call it while Updating is set.
//  - Change: the text of a drop-down combo changed by typing, or by SetText to another
//    text (inside the call). Picking an item from the list raises Click, not Change.
//  - DropDown: the list is about to open; a handler may still fill it.
//  - KeyDown(keyCode, shift): before the key takes effect; a handler that sets keyCode
//    to 0 swallows the key. KeyPress(charCode) follows for keys that type a character
//    (and Enter 13, Esc 27, Backspace 8); setting charCode to 0 swallows the character.
//  - GotFocus / LostFocus: the keyboard focus entering or leaving the control; opening
//    the list and switching to another window or application raise neither.
//  - LeftWindow: the user went to another window while the focus was in the control
//    (it comes back there with the window, raising no GotFocus).
//  - TakeFocusBack, while LostFocus is handled: the focus returns to the control, and
//    a mouse press that took it away reaches nothing (no button is pushed by it).
#pragma once

#include "Control.h"

#include <QComboBox>
#include <cstdint>

namespace platform {

enum class ComboStyle { DropDownCombo = 0, DropDownList = 2 };

class ComboBox : public Control<QComboBox> {
    Q_OBJECT

  public:
    ComboBox(QWidget *parent, const QString &name);

    void SetStyle(ComboStyle style);
    ComboStyle Style() const;

    void AddItem(const QString &item);
    void AddItems(const QStringList &items);
    void SetSingleItem(const QString &item);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    int32_t ItemData(int index) const;
    void SetItemData(int index, int32_t value);

    int ListIndex() const { return currentIndex(); }
    void SetListIndex(int index);

    QString Text() const { return currentText(); }
    // A drop-down list selects the item of that text (compared without regard to
    // case); when there is none it returns false and changes nothing.
    bool SetText(const QString &text);

    void SetBackColor(int32_t packed);
    void SetForeColor(int32_t packed);

    void showPopup() override;
    void TakeFocusBack();

  signals:
    void GotFocus();
    void LostFocus();
    void LeftWindow();
    void Click();
    void DropDown();
    void Change();
    void KeyDown(int &keyCode, int shift);
    void KeyPress(int &charCode);

  protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void OnActivated();
    bool quietActivation_ = false;
    // Why the focus is leaving, while LostFocus is handled.
    Qt::FocusReason leaving_ = Qt::OtherFocusReason;
};

} // namespace platform
