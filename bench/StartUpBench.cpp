// How long start-up takes with the real windows, offscreen: everything Main does,
// from the settings to the startup window on the screen, with the splash's hold
// taken out (a clock whose sleeps pass at once), so that what is left is the work
// the hold hides. Four Qt calendar widgets made and shown are the baseline of the
// same run. StartUpWithHold runs the whole start-up, hold included, on the real
// clock, and reports the processor time it used.
#include "artwork/Artwork.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "platform/App.h"
#include "platform/FormRef.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/Clock.h"
#include "platform/core/Program.h"
#include "platform/core/Settings.h"
#include "yearwindows/YearWindow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

qint64 steadyNow = 0;

// A fresh program: no stored settings, the program's folder with "Moon.bmp".
void FreshProgram(const QTemporaryDir &settings) {
    platform::SetSettingsFile(settings.filePath(QStringLiteral("Orvanta.conf")));
    platform::SetProgramFolder(QStringLiteral(ORVANTA_PROGRAM_DIR));
    Start::ResetState();
    Calc::Reset();
    ChangeCals::Reset();
    Frame::SetEndHandler([] {});
    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new YearWindow(cal); },
                     [] { return new MoonWindow(); }});
}

void EndProgram() {
    Frame::EndProgram();
    platform::DestroyAllForms();
    ChangeCals::SetWindows(nullptr);
}

// Start-up as the program runs it, each time from nothing stored.
void StartUpEachTime(benchmark::State &state) {
    const QTemporaryDir settings;
    platform::AlertRecorder alerts;
    for (auto _ : state) {
        FreshProgram(settings);
        QApplication::setWindowIcon(Artwork::ProgramIcon());
        Start::Main();
        QCoreApplication::processEvents();
        state.PauseTiming();
        EndProgram();
        state.ResumeTiming();
    }
}

void BM_StartUpWithoutHold(benchmark::State &state) {
    platform::SetSteadyClock({[] { return steadyNow; }, [](qint64 ms) { steadyNow += ms; }});
    StartUpEachTime(state);
    platform::SetSteadyClock({});
}
BENCHMARK(BM_StartUpWithoutHold)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_FourCalendarWidgets(benchmark::State &state) {
    for (auto _ : state) {
        std::array<std::unique_ptr<QCalendarWidget>, 4> calendars;
        for (auto &calendar : calendars) {
            calendar = std::make_unique<QCalendarWidget>();
            calendar->show();
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        calendars = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FourCalendarWidgets)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_StartUpWithHold(benchmark::State &state) {
    StartUpEachTime(state);
}
BENCHMARK(BM_StartUpWithHold)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::InitApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
