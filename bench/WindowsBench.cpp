// How long the program's windows take to show a new day, from the key or engine call
// that changes it until every shown window has painted, next to Qt's own calendar
// widget doing the same in the same run; and how long a long list takes to fill, next
// to a plain QComboBox. Run offscreen; read the medians.
#include "app/ProgramWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/Start.h"
#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "platform/ComboBox.h"
#include "platform/FormRef.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/Clock.h"
#include "platform/core/Settings.h"

#include "PaintPasses.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <random>

namespace {

using bench::PaintPending;
using bench::ReportPaints;
using bench::ResetPaints;

// Every change timing: medians of five runs of 500 changes, in microseconds.
void FiveRunsOf500Changes(benchmark::internal::Benchmark *timing) {
    timing->Unit(benchmark::kMicrosecond)->Iterations(500)->Repetitions(5);
}

void Expose(QWidget *window) {
    if (!QTest::qWaitForWindowExposed(window)) qFatal("a window did not appear");
}

// The program as it runs after start-up, with settings in a temporary folder, alerts
// caught and a fixed clock; the monthly and moon windows shown on 14 March 2024 (the
// moon window stays hidden when asked, so that its share of a change can be read).
class Program {
  public:
    explicit Program(bool moonShown = true) {
        platform::SetSettingsFile(settings_.filePath("Orvanta.conf"));
        platform::SetClock([] { return QDateTime(QDate(2024, 3, 14), QTime(9, 30)); });
        Start::StartWithoutSplash();
        App::RegisterProgramWindows();
        GoTo(2460384); // 14 March 2024
        frmMonthlyCal->ReSetForm();
        frmMonthlyCal->Show();
        Expose(&frmMonthlyCal.Get());
        if (moonShown) {
            frmMoon->ReSetForm();
            frmMoon->Show();
            Expose(&frmMoon.Get());
        }
        PaintPending();
    }
    ~Program() {
        platform::DestroyAllForms();
        ChangeCals::SetWindows(nullptr);
        platform::SetClock({});
        platform::SetSettingsFile({});
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    static void GoTo(int32_t julianDay) {
        Calc::CurrentJD = julianDay;
        ChangeCals::ChangeJD();
    }

    MonthlyWindow &Monthly() { return static_cast<MonthlyWindow &>(frmMonthlyCal.Get()); }

  private:
    QTemporaryDir settings_;
    platform::AlertRecorder alerts_;
};

// A day step in the same month: the week-day list steps one day down, then back up.
void MonthlyDayStep(benchmark::State &state, bool moonShown) {
    Program program(moonShown);
    platform::ComboBox &weekDay = program.Monthly().Combo6;
    weekDay.setFocus();
    PaintPending();
    ResetPaints();
    bool down = true;
    for (auto _ : state) {
        QTest::keyClick(&weekDay, down ? Qt::Key_Down : Qt::Key_Up);
        PaintPending();
        down = !down;
    }
    ReportPaints(state);
}
void BM_MonthlyDayStep(benchmark::State &state) {
    MonthlyDayStep(state, true);
}
BENCHMARK(BM_MonthlyDayStep)->Apply(FiveRunsOf500Changes);
void BM_MonthlyDayStepMoonHidden(benchmark::State &state) {
    MonthlyDayStep(state, false);
}
BENCHMARK(BM_MonthlyDayStepMoonHidden)->Apply(FiveRunsOf500Changes);

// The same step in four QCalendarWidgets: a key in the first, the others follow.
class FourCalendars {
  public:
    FourCalendars() {
        auto *layout = new QHBoxLayout(&window_);
        for (QCalendarWidget *&calendar : calendars_) {
            calendar = new QCalendarWidget(&window_);
            calendar->setSelectedDate(QDate(2024, 3, 14));
            layout->addWidget(calendar);
        }
        for (QCalendarWidget *follower : calendars_)
            if (follower != calendars_[0])
                QObject::connect(
                    calendars_[0], &QCalendarWidget::selectionChanged, follower,
                    [this, follower] { follower->setSelectedDate(calendars_[0]->selectedDate()); });
        window_.show();
        Expose(&window_);
        calendars_[0]->setFocus();
        PaintPending();
    }

    QWidget *First() { return calendars_[0]->focusWidget(); }
    void Select(QDate date) {
        for (QCalendarWidget *calendar : calendars_)
            calendar->setSelectedDate(date);
    }

  private:
    QWidget window_;
    std::array<QCalendarWidget *, 4> calendars_{};
};

void BM_QCalendarWidgetDayStep(benchmark::State &state) {
    FourCalendars calendars;
    QWidget *keys = calendars.First();
    ResetPaints();
    bool down = true;
    for (auto _ : state) {
        QTest::keyClick(keys, down ? Qt::Key_Right : Qt::Key_Left);
        PaintPending();
        down = !down;
    }
    ReportPaints(state);
}
BENCHMARK(BM_QCalendarWidgetDayStep)->Apply(FiveRunsOf500Changes);

// A random day of the Jewish calendar's range (all four columns shown), set through
// the engine.
void MonthlyRandomDay(benchmark::State &state, bool moonShown) {
    Program program(moonShown);
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> days(Calc::MinJD[Calc::Moslem],
                                                Calc::MaxJD[Calc::Jewish]);
    ResetPaints();
    for (auto _ : state) {
        Program::GoTo(days(random));
        PaintPending();
    }
    ReportPaints(state);
}
void BM_MonthlyRandomDay(benchmark::State &state) {
    MonthlyRandomDay(state, true);
}
BENCHMARK(BM_MonthlyRandomDay)->Apply(FiveRunsOf500Changes);
void BM_MonthlyRandomDayMoonHidden(benchmark::State &state) {
    MonthlyRandomDay(state, false);
}
BENCHMARK(BM_MonthlyRandomDayMoonHidden)->Apply(FiveRunsOf500Changes);

void BM_QCalendarWidgetRandomDay(benchmark::State &state) {
    FourCalendars calendars;
    std::mt19937 random(11);
    std::uniform_int_distribution<int64_t> days(QDate(623, 1, 1).toJulianDay(),
                                                QDate(3000, 12, 31).toJulianDay());
    ResetPaints();
    for (auto _ : state) {
        calendars.Select(QDate::fromJulianDay(days(random)));
        PaintPending();
    }
    ReportPaints(state);
}
BENCHMARK(BM_QCalendarWidgetRandomDay)->Apply(FiveRunsOf500Changes);

QStringList Years() {
    QStringList years;
    for (int year = 1; year <= 3000; ++year)
        years.append(QString::number(year));
    return years;
}

// The year list of a column, filled as the monthly window fills it.
void BM_ComboBoxFill3000(benchmark::State &state) {
    QWidget window;
    platform::ComboBox combo(&window, "Combo2");
    const QStringList years = Years();
    for (auto _ : state) {
        combo.Clear();
        combo.AddItems(years);
        benchmark::DoNotOptimize(combo.ListCount());
    }
}
BENCHMARK(BM_ComboBoxFill3000)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_QComboBoxAddItems3000(benchmark::State &state) {
    QWidget window;
    QComboBox combo(&window);
    const QStringList years = Years();
    for (auto _ : state) {
        combo.clear();
        combo.addItems(years);
        benchmark::DoNotOptimize(combo.count());
    }
}
BENCHMARK(BM_QComboBoxAddItems3000)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bench::CountPaints();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
