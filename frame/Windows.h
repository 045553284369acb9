// The calendar windows as the frame sees them, and the one instance of each.
//  - MonthlyForm, YearForm, MoonForm: what the frame and the engine's refresh ask
//    of the monthly window, a year window and the moon window
//  - WindowRef<Base>: a window reached by name, created on first use by the factory
//    that RegisterWindows gave it (the frame knows the windows only by these bases)
//  - frmMonthlyCal, frmJulian, frmGregorian, frmJewish, frmMoslem, frmMoon; YearWindowOf(cal)
//  - RegisterWindows: called once by the program (and by tests) before the first use;
//    it also hands the engine the window set over these windows (CalendarWindowSet.h)
#pragma once

#include "frame/WindowTips.h"
#include "platform/CommandButton.h"
#include "platform/FormRef.h"

#include <cstdint>
#include <functional>
#include <utility>

class MonthlyForm : public platform::Form {
  public:
    using platform::Form::Form;
    virtual void SetCal(int16_t pos) = 0;
    virtual void SetGrid(int16_t pos) = 0;
    virtual void SetCommonInfo() = 0;
    virtual void ReSetForm() = 0;
    // The "today" button, Command1(3), takes the focus.
    virtual void FocusToday() = 0;
    // Command1(5).
    virtual platform::CommandButton &ExitButton() = 0;
    // Copies the tooltips onto the controls; a stand-in without them ignores them.
    virtual void SetTips(const MonthlyTips &) {}
};

class YearForm : public platform::Form {
  public:
    using platform::Form::Form;
    // Brings the window up to the selected day.
    virtual void SetYearForm() = 0;
    // Command1(6).
    virtual platform::CommandButton &ExitButton() = 0;
    // Copies the tooltips onto the controls; a stand-in without them ignores them.
    virtual void SetTips(const YearTips &) {}
};

class MoonForm : public platform::Form {
  public:
    using platform::Form::Form;
    virtual void ReSetForm() = 0;
    // Copies the tooltips onto the controls; a stand-in without them ignores them.
    virtual void SetTips(const MoonTips &) {}
};

template <class Base> class WindowRef final : public platform::FormRefBase {
  public:
    using Factory = std::function<Base *()>;

    void SetFactory(Factory factory) { factory_ = std::move(factory); }

    Base &Get() { return static_cast<Base &>(Instance()); }
    Base &operator*() { return Get(); }
    Base *operator->() { return &Get(); }

  private:
    platform::Form *Create() const override { return factory_(); }

    Factory factory_;
};

extern WindowRef<MonthlyForm> frmMonthlyCal;
extern WindowRef<YearForm> frmJulian;
extern WindowRef<YearForm> frmGregorian;
extern WindowRef<YearForm> frmJewish;
extern WindowRef<YearForm> frmMoslem;
extern WindowRef<MoonForm> frmMoon;

// The year window of a calendar (1..4).
WindowRef<YearForm> &YearWindowOf(int16_t cal);

struct WindowFactories {
    WindowRef<MonthlyForm>::Factory monthly;
    // Makes the year window of the calendar it is given (1..4).
    std::function<YearForm *(int16_t cal)> year;
    WindowRef<MoonForm>::Factory moon;
};

void RegisterWindows(const WindowFactories &factories);
