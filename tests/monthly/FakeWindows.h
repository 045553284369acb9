// Stand-ins for the year windows and the moon window: they record what the monthly
// window asks of them.
#pragma once

#include "frame/Windows.h"
#include "platform/CommandButton.h"

#include <vector>

struct WindowLog {
    // CalendarIds of the year windows in the order they were brought up to date.
    std::vector<int16_t> YearRefreshes;
    int MoonResets = 0;
};

inline WindowLog Log;

class FakeYearWindow final : public YearForm {
  public:
    explicit FakeYearWindow(int16_t cal)
        : YearForm(QString("YearWindow%1").arg(cal)), Exit(this, "Command1_6"), Cal(cal) {}

    void SetYearForm() override { Log.YearRefreshes.push_back(Cal); }
    platform::CommandButton &ExitButton() override { return Exit; }

    platform::CommandButton Exit;
    const int16_t Cal;
};

class FakeMoonWindow final : public MoonForm {
  public:
    FakeMoonWindow() : MoonForm("frmMoon") {}
    void ReSetForm() override { ++Log.MoonResets; }
};
