// The application state every window reads: the settings held in memory, and
// the colour and layout tables the windows share. Indexed from 1 like the
// engine's tables; element 0 is unused. FirstWeekDay and MoslemType belong to
// the engine (Calc), the language tables to Texts.
#pragma once

#include "platform/Units.h"

#include <QString>
#include <cstdint>

namespace Start {

// WindowIndex of the two windows that are not year windows; 1..4 are the year
// windows by CalendarId.
constexpr int16_t MonthlyWindowIndex = 5;
constexpr int16_t MoonWindowIndex = 6;
constexpr int16_t WindowCount = 6;

// A saved position of this value lies beyond any screen: none was saved.
constexpr int16_t NoPosition = 32737;

extern int16_t ColumnCals[5];
extern int16_t WinTop[WindowCount + 1];
extern int16_t WinLeft[WindowCount + 1];
extern int16_t StartupWindow;
extern QString LanguageName;
extern int16_t ShowTips;
// BackColors 1..4 are the calendars' backgrounds by CalendarId.
constexpr int SelectedDayBack = 5;
enum ForeColor : int { DayText = 1, HeaderText = 2, SelectedDayText = 3 };
extern int32_t BackColors[6];
extern int32_t ForeColors[4];
extern int16_t ColumnLeft[5];

// What the monthly window's month grids and the year grids look alike in: the
// week-day column, the week columns (twips) and the silver grid lines.
constexpr int WeekDayColWidth = 345;
constexpr int WeekColWidth = 300;
constexpr int32_t GridLineColor = platform::Rgb(192, 192, 192);

// Code is filling window controls: the list and field click handlers of every
// window do nothing meanwhile, so that a value set from code starts no date change.
extern bool Updating;

// The year drawn in each year window's grid, by CalendarId: Julian Days of its
// first (1) and last (2) day, both 0 when the next refresh must draw the grid anew
// (never drawn, window unloaded, options applied); and the grid's highlighted cell,
// row (1) and column (2).
extern int32_t GridYearBounds[5][3];
extern int16_t GridSel[5][3];

// Back to the state before start-up: numbers zero, names empty.
void ResetState();

// Start-up fills these once: the calendars' and the selected day's
// backgrounds, the grid text colours, and the monthly window's column edges.
void FillColors();
void FillColumnLeft();

} // namespace Start
