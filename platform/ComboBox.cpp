#include "ComboBox.h"

#include "ComboFace.h"
#include "Form.h"
#include "Input.h"
#include "PressDiscard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSignalBlocker>

namespace platform {

namespace {

// Focus moves that the program's windows do not see as leaving or entering a field.
bool IsInternalFocusMove(const QFocusEvent *event) {
    return event->reason() == Qt::PopupFocusReason ||
           event->reason() == Qt::ActiveWindowFocusReason;
}

// A window's background is one plain colour: a list on it paints that colour under its
// face itself, so that a list showing a new text repaints alone and not the window
// under it.
bool OnPlainBackground(const QWidget *parent) {
    return qobject_cast<const Form *>(parent) != nullptr;
}

void PaintBackgroundUnder(QWidget &combo, QPainter &painter) {
    const QWidget *under = combo.parentWidget();
    painter.fillRect(combo.rect(), under->palette().brush(under->backgroundRole()));
}

} // namespace

ComboBox::ComboBox(QWidget *parent, const QString &name) : Control(parent, name) {
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(16);
    // Year and Julian Day lists run to thousands of entries, all one line high.
    if (auto *list = qobject_cast<QListView *>(view())) list->setUniformItemSizes(true);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &ComboBox::OnActivated);
}

void ComboBox::SetStyle(ComboStyle style) {
    const bool editable = style == ComboStyle::DropDownCombo;
    if (editable == isEditable()) return;
    setEditable(editable);
    if (editable) {
        // Typing completes nothing; the text is what the user typed.
        setCompleter(nullptr);
        // Nor does ending an edit pick the item that matches the text.
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::Change);
    }
}

ComboStyle ComboBox::Style() const {
    return isEditable() ? ComboStyle::DropDownCombo : ComboStyle::DropDownList;
}

void ComboBox::AddItem(const QString &item) {
    AddItems(QStringList{item});
}

void ComboBox::AddItems(const QStringList &items) {
    if (count() > 0) {
        addItems(items);
        return;
    }
    // Qt selects the first item put into an empty list; the program's lists stay
    // without a selection, and a combo keeps its typed text.
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    addItems(items);
    setCurrentIndex(-1);
    if (isEditable()) lineEdit()->setText(text);
}

void ComboBox::SetSingleItem(const QString &item) {
    if (count() == 1 && currentIndex() == 0) {
        if (itemText(0) == item && (!isEditable() || lineEdit()->text() == item)) return;
        // The one item is rewritten in place: emptying and refilling the list costs
        // more than the rest of a date change.
        {
            const QSignalBlocker blocker(this);
            setItemText(0, item);
            if (isEditable()) lineEdit()->setText(item);
        }
        emit Click();
        return;
    }
    Clear();
    AddItem(item);
    SetListIndex(0);
}

void ComboBox::Clear() {
    const QSignalBlocker blocker(this);
    clear();
    if (isEditable()) lineEdit()->clear();
}

int32_t ComboBox::ItemData(int index) const {
    return itemData(index).toInt();
}

void ComboBox::SetItemData(int index, int32_t value) {
    setItemData(index, value);
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= count() || index == currentIndex()) return;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    emit Click();
}

bool ComboBox::SetText(const QString &text) {
    if (isEditable()) {
        if (text != lineEdit()->text()) {
            lineEdit()->setText(text);
            emit Change();
        }
        return true;
    }
    const int index = findText(text, Qt::MatchFixedString);
    if (index < 0) return false;
    SetListIndex(index);
    return true;
}

void ComboBox::SetBackColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Base, QPalette::Button, QPalette::Window}, packed);
}

void ComboBox::SetForeColor(int32_t packed) {
    SetColorRoles(this, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}, packed);
}

void ComboBox::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

void ComboBox::OnActivated() {
    if (!quietActivation_) emit Click();
}

bool ComboBox::event(QEvent *event) {
    const bool handled = QComboBox::event(event);
    // Polishing clears the attribute.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent, OnPlainBackground(parentWidget()));
    return handled;
}

void ComboBox::focusInEvent(QFocusEvent *event) {
    QComboBox::focusInEvent(event);
    if (!IsInternalFocusMove(event)) emit GotFocus();
}

void ComboBox::focusOutEvent(QFocusEvent *event) {
    // Qt picks the item matching the typed text when the edit ends; the program's
    // combo keeps the text as typed and raises no click for it.
    quietActivation_ = true;
    QComboBox::focusOutEvent(event);
    quietActivation_ = false;
    if (event->reason() == Qt::ActiveWindowFocusReason) emit LeftWindow();
    // Opening the list moves the focus into it, with no popup reason on every platform.
    const QWidget *now = QApplication::focusWidget();
    if (IsInternalFocusMove(event) || (now && (now == view() || view()->isAncestorOf(now)))) return;
    leaving_ = event->reason();
    emit LostFocus();
    leaving_ = Qt::OtherFocusReason;
}

void ComboBox::TakeFocusBack() {
    setFocus(Qt::OtherFocusReason);
    if (leaving_ == Qt::MouseFocusReason) DiscardNextMousePress();
}

void ComboBox::keyPressEvent(QKeyEvent *event) {
    int keyCode = VirtualKeyCode(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, ShiftState(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    int charCode = CharacterCode(*event);
    if (charCode != 0) {
        emit KeyPress(charCode);
        if (charCode == 0) {
            event->accept();
            return;
        }
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    quietActivation_ = enter;
    QComboBox::keyPressEvent(event);
    quietActivation_ = false;
}

void ComboBox::paintEvent(QPaintEvent *event) {
    // A typed text is drawn by the line edit over the face, and changes with every key.
    if (isEditable()) {
        if (testAttribute(Qt::WA_OpaquePaintEvent)) {
            QPainter background(this);
            PaintBackgroundUnder(*this, background);
        }
        QComboBox::paintEvent(event);
        return;
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent)) PaintBackgroundUnder(*this, painter);
    PaintComboFace(*this, option, painter);
}

} // namespace platform
