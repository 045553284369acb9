#include "PressDiscard.h"

#include <QApplication>
#include <QEvent>

namespace platform {

namespace {

class PressDiscarder final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        deleteLater();
        qApp->removeEventFilter(this);
        return true;
    }
};

} // namespace

void DiscardNextMousePress() {
    qApp->installEventFilter(new PressDiscarder(qApp));
}

} // namespace platform
