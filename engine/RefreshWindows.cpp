#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/WindowSet.h"

namespace ChangeCals {

namespace {

WindowSet *Windows = nullptr;

void RefreshYearWindow(int16_t cal) {
    Windows->SetYearForm(cal);
}

void RefreshYearWindowIfShown(int16_t cal) {
    if (Windows->YearWindowShown(cal)) RefreshYearWindow(cal);
}

// The grid of the column in which a day was just picked already shows it.
void RefreshMonthlyIfShown(int16_t keptGrid) {
    if (!Windows->MonthlyShown()) return;
    for (int16_t column = 1; column <= 4; ++column) {
        Windows->SetCal(column);
        if (column != keptGrid) Windows->SetGrid(column);
    }
    Windows->SetCommonInfo();
}

// The year window that made the change first, whether shown or not; then the
// first of the other year windows, the monthly window, and the other two.
void RefreshFromYearWindow(int16_t source) {
    int16_t others[3] = {};
    int count = 0;
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        if (cal != source) others[count++] = cal;
    }
    RefreshYearWindow(source);
    RefreshYearWindowIfShown(others[0]);
    RefreshMonthlyIfShown(0);
    RefreshYearWindowIfShown(others[1]);
    RefreshYearWindowIfShown(others[2]);
}

void RefreshCalendarWindows() {
    if (ChangeSource == 0) {
        RefreshMonthlyIfShown(MonthlySourceColumn);
        for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal)
            RefreshYearWindowIfShown(cal);
    } else if (ChangeSource >= Calc::Julian && ChangeSource <= Calc::Moslem) {
        RefreshFromYearWindow(ChangeSource);
    }
}

} // namespace

void SetWindows(WindowSet *windows) {
    Windows = windows;
}

void RefreshWindows() {
    if (Windows) RefreshCalendarWindows();
    // The monthly window brings the source window forward while it refreshes;
    // from here on no window counts as the source.
    ChangeSource = 0;
    if (Windows && Windows->MoonShown()) Windows->MoonReSetForm();
}

void ShowCalWindow(int16_t window) {
    if (!Windows) return;
    if (window == 0)
        Windows->FocusMonthlyToday();
    else if (window >= Calc::Julian && window <= Calc::Moslem)
        Windows->ShowYearWindow(window);
}

} // namespace ChangeCals
