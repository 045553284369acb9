#include "Control.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr char ControlMark[] = "orvantaControl";

bool IsControl(const QWidget *widget) {
    // Asked of every widget of a window whenever a control moves in the tab order:
    // property() would first search the class's own properties by name.
    return widget->dynamicPropertyNames().contains(ControlMark);
}

// The controls of a window in their tab order: Qt's focus chain, which starts in
// creation order and is what the Tab key follows.
std::vector<QWidget *> TabOrder(const QWidget *member) {
    std::vector<QWidget *> order;
    QWidget *window = member->window();
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (IsControl(w)) order.push_back(w);
    return order;
}

} // namespace

QString ElementName(const QString &name, int index) {
    return name + QLatin1Char('_') + QString::number(index);
}

QString WithLineBreaks(const QString &caption) {
    return QString(caption).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void SetColorRoles(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles,
                   int32_t packed) {
    QPalette p = widget->palette();
    for (const QPalette::ColorRole role : roles)
        p.setColor(role, ToQColor(packed));
    widget->setPalette(p);
}

void MarkAsControl(QWidget *widget, const QString &name) {
    widget->setObjectName(name);
    widget->setProperty(ControlMark, true);
}

bool TabStopOf(const QWidget *widget) {
    return widget->focusPolicy() & Qt::TabFocus;
}

void SetTabStopOf(QWidget *widget, bool on) {
    const int policy = widget->focusPolicy();
    widget->setFocusPolicy(
        static_cast<Qt::FocusPolicy>(on ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
}

int TabIndexOf(const QWidget *widget) {
    const std::vector<QWidget *> order = TabOrder(widget);
    return static_cast<int>(std::find(order.begin(), order.end(), widget) - order.begin());
}

void SetTabIndexOf(QWidget *widget, int index) {
    std::vector<QWidget *> order = TabOrder(widget);
    std::erase(order, widget);
    const auto place = std::clamp<std::ptrdiff_t>(index, 0, std::ssize(order));
    order.insert(order.begin() + place, widget);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace platform
