// Which windows a change refreshes, and in which order: recorded as words.
#include "EngineTestSupport.h"

#include "engine/WindowSet.h"

#include <string>

using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

// shown: M for the monthly window, 1 .. 4 for the year windows, O for the moon.
class RecordingWindows : public WindowSet {
  public:
    std::string shown, calls;

    bool MonthlyShown() override { return Shown('M'); }
    bool YearWindowShown(int16_t cal) override { return Shown(static_cast<char>('0' + cal)); }
    bool MoonShown() override { return Shown('O'); }
    void SetCal(int16_t pos) override { Record("Cal", pos); }
    void SetGrid(int16_t pos) override { Record("Grid", pos); }
    // The monthly window's facts and the moon note which window still counts
    // as the source when they are refreshed.
    void SetCommonInfo() override { Record("Info@", ChangeSource); }
    void SetYearForm(int16_t cal) override { Record("Year", cal); }
    void MoonReSetForm() override { Record("Moon@", ChangeSource); }
    void ShowYearWindow(int16_t cal) override { Record("Show", cal); }
    void FocusMonthlyToday() override { Record("Today", 0); }

  private:
    bool Shown(char window) const { return shown.find(window) != std::string::npos; }
    void Record(const char *what, int value) {
        if (!calls.empty()) calls += ' ';
        calls.append(what).append(std::to_string(value));
    }
};

// The monthly window's refresh, with the source's number in its facts.
std::string Monthly(int source) {
    return std::string("Cal1 Grid1 Cal2 Grid2 Cal3 Grid3 Cal4 Grid4 Info@")
        .append(std::to_string(source));
}

TEST_F(EngineTest, RefreshesInOrderAndEndsWithTheMoon) {
    const struct {
        const char *name;
        int16_t source;
        int16_t pickedColumn;
        const char *shown;
        std::string expected;
    } cases[] = {
        {"MonthlyChange", 0, 0, "M1234O", Monthly(0) + " Year1 Year2 Year3 Year4 Moon@0"},
        {"PickedColumnKeepsItsGrid", 0, 2, "M", "Cal1 Grid1 Cal2 Cal3 Grid3 Cal4 Grid4 Info@0"},
        {"MonthlyChangeSkipsHiddenWindows", 0, 0, "13", "Year1 Year3"},
        {"JulianWindowFirst", 1, 0, "M1234O", "Year1 Year2 " + Monthly(1) + " Year3 Year4 Moon@0"},
        {"MoslemWindowFirst", 4, 0, "M1234O", "Year4 Year1 " + Monthly(4) + " Year2 Year3 Moon@0"},
        {"SourceYearWindowRefreshedWhenHidden", 2, 0, "", "Year2"},
        {"HiddenWindowsAfterTheSourceSkipped", 3, 0, "24O", "Year3 Year2 Year4 Moon@0"},
        {"YearWindowChangeRebuildsEveryGrid", 4, 2, "M", "Year4 " + Monthly(4)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingWindows windows;
        windows.shown = c.shown;
        SetWindows(&windows);
        ChangeSource = c.source;
        MonthlySourceColumn = c.pickedColumn;
        ChangeToJD(2451545);
        EXPECT_EQ(windows.calls, c.expected);
        EXPECT_EQ(ChangeSource, 0);
        EXPECT_EQ(MonthlySourceColumn, c.pickedColumn);
    }
}

} // namespace
