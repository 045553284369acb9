#include "PaintPasses.h"

#include <QCoreApplication>
#include <QEvent>

namespace bench {

namespace {

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

PaintCounter &Counter() {
    static PaintCounter counter;
    return counter;
}

} // namespace

void CountPaints() {
    QCoreApplication::instance()->installEventFilter(&Counter());
}

void PaintPending() {
    // Events posted while a pass runs wait for the next pass.
    int before = 0;
    do {
        before = Counter().paints;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    } while (Counter().paints != before);
}

int Paints() {
    return Counter().paints;
}

void ResetPaints() {
    Counter().paints = 0;
}

void ReportPaints(benchmark::State &state) {
    state.counters["paints"] =
        benchmark::Counter(Counter().paints, benchmark::Counter::kAvgIterations);
}

} // namespace bench
