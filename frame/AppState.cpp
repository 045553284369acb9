#include "frame/AppState.h"

#include "artwork/Palette.h"
#include "platform/Units.h"

#include <algorithm>
#include <iterator>

namespace Start {

using platform::Rgb;

int16_t ColumnCals[5];
int16_t WinTop[WindowCount + 1];
int16_t WinLeft[WindowCount + 1];
int16_t StartupWindow;
QString LanguageName;
int16_t ShowTips;
int32_t BackColors[6];
int32_t ForeColors[4];
int16_t ColumnLeft[5];
bool Updating;
int32_t GridYearBounds[5][3];
int16_t GridSel[5][3];

namespace {

template <typename T, std::size_t N> void Clear(T (&table)[N]) {
    std::fill_n(table, N, T{});
}

template <typename T, std::size_t N, std::size_t M> void Clear(T (&table)[N][M]) {
    for (auto &row : table) Clear(row);
}

} // namespace

void ResetState() {
    Clear(ColumnCals);
    Clear(WinTop);
    Clear(WinLeft);
    StartupWindow = 0;
    LanguageName.clear();
    ShowTips = 0;
    Clear(BackColors);
    Clear(ForeColors);
    Clear(ColumnLeft);
    Updating = false;
    Clear(GridYearBounds);
    Clear(GridSel);
}

void FillColors() {
    // The calendars' backgrounds are the ones their pictures are drawn on.
    for (int cal = 1; cal <= 4; ++cal)
        BackColors[cal] = platform::Packed(Artwork::Palette::CalendarBacks[cal - 1].rgb());
    BackColors[SelectedDayBack] = Rgb(255, 0, 0);
    ForeColors[DayText] = Rgb(0, 0, 128);
    ForeColors[HeaderText] = Rgb(128, 64, 64);
    ForeColors[SelectedDayText] = Rgb(255, 255, 255);
}

void FillColumnLeft() {
    constexpr int16_t FirstColumnLeft = 300;
    constexpr int16_t ColumnStep = 2340;
    for (int column = 1; column < static_cast<int>(std::size(ColumnLeft)); ++column)
        ColumnLeft[column] = static_cast<int16_t>(FirstColumnLeft + (column - 1) * ColumnStep);
}

} // namespace Start
