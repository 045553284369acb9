#include "EngineTestSupport.h"

#include "engine/WindowSet.h"

#include <initializer_list>
#include <string>
#include <string_view>

using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

// Records each call as a word; the monthly window's facts and the moon note
// which window still counts as the source when they are refreshed.
class RecordingWindows : public WindowSet {
  public:
    bool monthly = false;
    std::string yearWindows; // the shown ones, as digits
    bool moon = false;
    std::string calls;

    bool MonthlyShown() override { return monthly; }
    bool YearWindowShown(int16_t cal) override {
        return yearWindows.find(static_cast<char>('0' + cal)) != std::string::npos;
    }
    bool MoonShown() override { return moon; }
    void SetCal(int16_t pos) override { Record("Cal", pos); }
    void SetGrid(int16_t pos) override { Record("Grid", pos); }
    void SetCommonInfo() override { Record("Info@", ChangeSource); }
    void SetYearForm(int16_t cal) override { Record("Year", cal); }
    void MoonReSetForm() override { Record("Moon@", ChangeSource); }
    void ShowYearWindow(int16_t cal) override { Record("Show", cal); }
    void FocusMonthlyToday() override { Record("Today", 0); }

  private:
    void Record(const char *what, int value) {
        if (!calls.empty()) calls += ' ';
        calls += what;
        calls += std::to_string(value);
    }
};

std::string Calls(std::initializer_list<std::string_view> parts) {
    std::string calls;
    for (std::string_view part : parts) {
        if (!calls.empty() && !part.empty()) calls += ' ';
        calls += part;
    }
    return calls;
}

// The monthly window's refresh, without the grid of keptGrid.
std::string Monthly(int source, int keptGrid = 0) {
    RecordingWindows expected;
    for (int16_t column = 1; column <= 4; ++column) {
        expected.SetCal(column);
        if (column != keptGrid) expected.SetGrid(column);
    }
    expected.calls += " Info@";
    expected.calls += std::to_string(source);
    return expected.calls;
}

struct RefreshCase {
    const char *name;
    int16_t source;
    int16_t pickedColumn;
    bool monthly;
    const char *yearWindows;
    bool moon;
    std::string expected;
};

const RefreshCase RefreshCases[] = {
    {"MonthlyChangeRefreshesAllShown", 0, 0, true, "1234", true,
     Calls({Monthly(0), "Year1 Year2 Year3 Year4 Moon@0"})},
    {"PickedColumnKeepsItsGrid", 0, 2, true, "", false, Monthly(0, 2)},
    {"MonthlyChangeSkipsHiddenWindows", 0, 0, false, "13", false, "Year1 Year3"},
    {"NothingShown", 0, 0, false, "", false, ""},
    {"JulianWindowFirst", 1, 0, true, "1234", true,
     Calls({"Year1 Year2", Monthly(1), "Year3 Year4 Moon@0"})},
    {"GregorianWindowFirst", 2, 0, true, "1234", true,
     Calls({"Year2 Year1", Monthly(2), "Year3 Year4 Moon@0"})},
    {"JewishWindowFirst", 3, 0, true, "1234", true,
     Calls({"Year3 Year1", Monthly(3), "Year2 Year4 Moon@0"})},
    {"MoslemWindowFirst", 4, 0, true, "1234", true,
     Calls({"Year4 Year1", Monthly(4), "Year2 Year3 Moon@0"})},
    {"SourceYearWindowRefreshedWhenHidden", 2, 0, false, "", false, "Year2"},
    {"HiddenWindowsAfterTheSourceSkipped", 3, 0, false, "24", true, "Year3 Year2 Year4 Moon@0"},
    {"YearWindowChangeRebuildsEveryGrid", 4, 2, true, "", false, Calls({"Year4", Monthly(4)})},
    {"SourceBeyondTheYearWindows", 5, 0, true, "1234", true, "Moon@0"},
    {"NegativeSource", -1, 0, true, "1234", true, "Moon@0"},
};

class RefreshTest : public EngineTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshTest, RefreshesInOrderAndEndsWithTheMoon) {
    const RefreshCase &refresh = GetParam();
    RecordingWindows windows;
    windows.monthly = refresh.monthly;
    windows.yearWindows = refresh.yearWindows;
    windows.moon = refresh.moon;
    SetWindows(&windows);
    ChangeSource = refresh.source;
    MonthlySourceColumn = refresh.pickedColumn;
    ChangeToJD(2451545);
    EXPECT_EQ(windows.calls, refresh.expected);
    EXPECT_EQ(ChangeSource, 0);
    EXPECT_EQ(MonthlySourceColumn, refresh.pickedColumn);
}

INSTANTIATE_TEST_SUITE_P(Engine, RefreshTest, ::testing::ValuesIn(RefreshCases), RowName);

TEST_F(EngineTest, WithoutWindowsChangeSourceStillReturnsToZero) {
    ChangeSource = 3;
    ChangeToJD(2451545);
    EXPECT_EQ(ChangeSource, 0);
}

TEST_F(EngineTest, ShowCalWindowBringsForwardTheNamedWindow) {
    RecordingWindows windows;
    SetWindows(&windows);
    for (int16_t window : {0, 1, 2, 3, 4, 5, -1})
        ShowCalWindow(window);
    EXPECT_EQ(windows.calls, "Today0 Show1 Show2 Show3 Show4");
    SetWindows(nullptr);
    ShowCalWindow(1);
    EXPECT_EQ(windows.calls, "Today0 Show1 Show2 Show3 Show4");
}

} // namespace
