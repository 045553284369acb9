// The year windows at work, offscreen, each next to a baseline run in the same process:
//  - a full redraw of a year grid, painted, the year alternating with the next, against
//    a plain QTableWidget given the same texts, colours, bold headers and spans of the
//    same two years and painted;
//  - the highlight moved inside the drawn year, painted;
//  - one date change with all six windows shown, until every window has painted, for
//    a day in the same years and for a day in other years of all four calendars;
//  - the Jewish year list filled (3001 years), against QComboBox::addItems.
// Read the medians.
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "platform/core/Settings.h"
#include "yearwindows/YearCals.h"
#include "yearwindows/YearGrid.h"
#include "yearwindows/YearWindow.h"

#include "PaintPasses.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 14 March 2024 and the days the changes alternate with.
constexpr int32_t Day = 2460384;
constexpr int32_t NextDay = Day + 1;
constexpr int32_t NextYear = Day + 365;
constexpr int32_t TwoYearsOn = Day + 730;

void GoTo(int32_t julianDay) {
    Calc::CurrentJD = julianDay;
    ChangeCals::ChangeJD();
}

using bench::ReportPaints;
using bench::ResetPaints;

// Every paint the change asked for is done.
void FinishPainting() {
    bench::PaintPending();
}

void StartProgram() {
    Start::ResetState();
    ChangeCals::Reset();
    Calc::StartEngine({});
    Start::FillColors();
    Start::FillColumnLeft();
    for (int16_t c = 1; c <= 4; ++c)
        Start::ColumnCals[c] = c;
    for (int index = 1; index <= Start::WindowCount; ++index) {
        Start::WinTop[index] = Start::NoPosition;
        Start::WinLeft[index] = Start::NoPosition;
    }
    GoTo(Day);
    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new YearWindow(cal); },
                     [] { return new MoonWindow(); }});
}

YearWindow &ShownYearWindow(int16_t cal) {
    auto &window = static_cast<YearWindow &>(YearWindowOf(cal).Get());
    window.SetYearForm();
    window.Show();
    FinishPainting();
    return window;
}

void HideAll() {
    frmMonthlyCal->Hide();
    frmMoon->Hide();
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal)->Hide();
    GoTo(Day);
    FinishPainting();
}

// Each iteration moves to the other of two days and waits until every shown window
// has painted it.
void TimeAlternatingDays(benchmark::State &state, int32_t first, int32_t second) {
    ResetPaints();
    bool next = false;
    for (auto _ : state) {
        next = !next;
        GoTo(next ? second : first);
        FinishPainting();
    }
    ReportPaints(state);
}

// Only the Gregorian year window is shown: the change redraws its grid alone.
void BM_YearGridRedraw(benchmark::State &state) {
    HideAll();
    ShownYearWindow(Calc::Gregorian);
    TimeAlternatingDays(state, Day, NextYear);
}

YearCals::YearGrid GregorianYearOf(int32_t julianDay) {
    GoTo(julianDay);
    return YearCals::YearGridOf(Calc::Gregorian);
}

// The same year as a plain QTableWidget shows it: texts, colours, bold centred headers
// spanning their blocks, the selected day, then painted.
void BM_YearGridBaselineTable(benchmark::State &state) {
    HideAll();
    const YearCals::YearGrid years[2] = {GregorianYearOf(Day), GregorianYearOf(NextYear)};
    GoTo(Day);
    const int cols = years[0].cols;
    QTableWidget table(YearCals::GridRows, cols);
    table.horizontalHeader()->hide();
    table.verticalHeader()->hide();
    for (int col = 0; col < cols; ++col)
        table.setColumnWidth(col, col == 0 ? 23 : 20);
    for (int row = 0; row < YearCals::GridRows; ++row)
        table.setRowHeight(row, row % YearCals::BandRows == 0 ? 24 : 13);
    for (int row = 0; row < YearCals::GridRows; ++row)
        for (int col = 0; col < cols; ++col)
            table.setItem(row, col, new QTableWidgetItem());
    table.resize(386, 464);
    table.show();
    const QColor back(255, 255, 192), text(0, 0, 128), header(128, 64, 64), red(255, 0, 0);
    const QFont plain = table.font();
    QFont bold = plain;
    bold.setBold(true);
    FinishPainting();
    ResetPaints();
    bool next = false;
    for (auto _ : state) {
        next = !next;
        const YearCals::YearGrid &year = years[next ? 1 : 0];
        table.setUpdatesEnabled(false);
        table.clearSpans();
        for (int row = 0; row < YearCals::DrawnRows; ++row) {
            for (int col = 0; col < year.cols - 1; ++col) {
                const YearCals::YearCell &cell = year.At(row, col);
                QTableWidgetItem *item = table.item(row, col);
                item->setText(cell.text);
                item->setBackground(back);
                const bool isHeader = cell.kind == YearCals::CellKind::Header;
                item->setForeground(isHeader ? header : text);
                item->setFont(isHeader ? bold : plain);
                if (isHeader) item->setTextAlignment(Qt::AlignCenter);
            }
        }
        for (int row = 0; row < YearCals::DrawnRows; row += YearCals::BandRows)
            for (int col = 1; col + YearCals::BlockColumns < year.cols;
                 col += YearCals::BlockColumns)
                table.setSpan(row, col, 1, YearCals::BlockColumns);
        QTableWidgetItem *selected = table.item(year.selected.row, year.selected.col);
        selected->setBackground(red);
        selected->setForeground(Qt::white);
        selected->setFont(bold);
        table.setUpdatesEnabled(true);
        FinishPainting();
    }
    ReportPaints(state);
}

void BM_HighlightMove(benchmark::State &state) {
    HideAll();
    ShownYearWindow(Calc::Gregorian);
    TimeAlternatingDays(state, Day, NextDay);
}

void ShowAllWindows() {
    HideAll();
    frmMonthlyCal->ReSetForm();
    frmMonthlyCal->Show();
    for (int16_t cal = 1; cal <= 4; ++cal)
        ShownYearWindow(cal);
    frmMoon->ReSetForm();
    frmMoon->Show();
    FinishPainting();
}

// The argument is how far the other day lies: 1 day on stays in every calendar's year,
// two years on leaves all four.
void BM_DateChange(benchmark::State &state) {
    ShowAllWindows();
    const auto other = static_cast<int32_t>(Day + state.range(0));
    TimeAlternatingDays(state, Day, other);
}

void BM_FillJewishYearList(benchmark::State &state) {
    HideAll();
    YearWindow &window = ShownYearWindow(Calc::Jewish);
    for (auto _ : state) {
        state.PauseTiming();
        YearCals::KeepYearList(window, Calc::Jewish);
        window.Combo1.Clear();
        YearCals::KeepYearList(window, Calc::Jewish);
        state.ResumeTiming();
        YearCals::FillYearList(window, Calc::Jewish);
    }
}

void BM_FillBaselineAddItems(benchmark::State &state) {
    QStringList years;
    for (int32_t year = Calc::MinYear[Calc::Jewish]; year <= Calc::MaxYear[Calc::Jewish]; ++year)
        years.append(QString::number(year));
    QComboBox list;
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        list.addItems(years);
    }
}

constexpr int Repetitions = 9;

BENCHMARK(BM_YearGridRedraw)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions);
BENCHMARK(BM_YearGridBaselineTable)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions);
BENCHMARK(BM_HighlightMove)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions);
BENCHMARK(BM_DateChange)
    ->Arg(NextDay - Day)
    ->Arg(TwoYearsOn - Day)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions);
BENCHMARK(BM_FillJewishYearList)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions);
BENCHMARK(BM_FillBaselineAddItems)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bench::CountPaints();
    // The windows' positions are never written here, but the settings stay apart anyway.
    QTemporaryDir settings;
    platform::SetSettingsFile(settings.filePath("Orvanta.conf"));
    StartProgram();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
