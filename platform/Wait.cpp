#include "Wait.h"

#include "core/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputEvent>
#include <algorithm>

namespace platform {

namespace {

// Often enough that a window mapped meanwhile is painted before anyone notices it
// blank, rarely enough that the wait costs next to no processor time.
constexpr qint64 CheckEvery = 10;

class InputDropper final : public QObject {
  public:
    InputDropper() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDropper() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputDropper(const InputDropper &) = delete;
    InputDropper &operator=(const InputDropper &) = delete;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        return dynamic_cast<QInputEvent *>(event) != nullptr ||
               (event->type() == QEvent::Close && event->spontaneous());
    }
};

} // namespace

void WaitWithoutInput(qint64 until, const std::function<bool()> &done) {
    const InputDropper dropper;
    for (;;) {
        QCoreApplication::processEvents();
        if (done && done()) return;
        const qint64 left = until - SteadyMilliseconds();
        if (left <= 0) return;
        SleepMilliseconds(std::min(left, CheckEvery));
    }
}

} // namespace platform
