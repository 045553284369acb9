// The designed geometry of the monthly window, in twips.
#pragma once

namespace Monthly {

// Left edges of the four columns; every per-column field is FieldWidth x FieldHeight.
constexpr int ColumnLefts[5] = {0, 120, 2460, 4800, 7140};
constexpr int FieldWidth = 2175;
constexpr int FieldHeight = 315;

// Tops of the per-column controls.
constexpr int CalendarTop = 240;
constexpr int YearTop = 600;
constexpr int MonthTop = 960;
constexpr int GridTop = 1390;
constexpr int YearDayTop = 3300;
constexpr int WeekTop = 3660;

// The window-wide fields, one under the other at the first column's edge.
constexpr int CommonLeft = 120;
constexpr int WeekDayTop = 4380;
constexpr int MoonAgeTop = 4740;
constexpr int JulianDayTop = 5100;

// The moon-phase buttons share one spot; the five buttons stand in a row beside them.
constexpr int ButtonTop = 4380;
constexpr int ButtonSide = 1035;
constexpr int MoonButtonLeft = 2460;
constexpr int ButtonLefts[6] = {0, 3624, 4788, 5952, 7116, 8280};

// Grid cells: every row 255 high; the columns as wide as the year grids' ones.
constexpr int GridRows = 7;
constexpr int GridCols = 7;
constexpr int RowHeight = 255;
// Room for the grid's border beyond its last cells.
constexpr int GridBorder = 8;

// The calendar pictures as designed, before Form_Load fits them to the grid's height.
constexpr int PictureSide = 1815;

// The inner area: the last column and the last button end at 9315, the Julian Day
// field and the buttons at 5415; the margins repeat the left one (120) and the top
// one (240).
constexpr int InnerWidth = 9435;
constexpr int InnerHeight = 5655;

} // namespace Monthly
