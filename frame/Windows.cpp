#include "frame/Windows.h"

#include "engine/ChangeCals.h"
#include "frame/CalendarWindowSet.h"

#include <stdexcept>

WindowRef<MonthlyForm> frmMonthlyCal;
WindowRef<YearForm> frmJulian;
WindowRef<YearForm> frmGregorian;
WindowRef<YearForm> frmJewish;
WindowRef<YearForm> frmMoslem;
WindowRef<MoonForm> frmMoon;

WindowRef<YearForm> &YearWindowOf(int16_t cal) {
    switch (cal) {
    case 1:
        return frmJulian;
    case 2:
        return frmGregorian;
    case 3:
        return frmJewish;
    case 4:
        return frmMoslem;
    default:
        throw std::out_of_range("no year window for this calendar");
    }
}

void RegisterWindows(const WindowFactories &factories) {
    frmMonthlyCal.SetFactory(factories.monthly);
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal).SetFactory([year = factories.year, cal] { return year(cal); });
    frmMoon.SetFactory(factories.moon);
    ChangeCals::SetWindows(&Frame::CalendarWindows());
}
