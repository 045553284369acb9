#include "FrameFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/Start.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"
#include "platform/core/Clock.h"
#include "platform/core/Settings.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

namespace FrameTesting {
namespace {

// A monotonic clock that stands still until start-up sleeps: each sleep moves it
// on by the time asked, notes whether the splash is up, and clicks the splash's OK
// button through the event queue, a click start-up must not handle. The wall clock
// stands at ten o'clock on 15 March 2024.
class SleepingClock {
  public:
    static constexpr qint64 Start = 50000;
    qint64 Milliseconds = Start;
    std::vector<qint64> Sleeps;
    std::vector<bool> SplashShown;

    void Sleep(qint64 ms) {
        Sleeps.push_back(ms);
        Milliseconds += ms;
        const bool shown = frmAbout.Exists() && frmAbout->Visible();
        SplashShown.push_back(shown);
        if (shown) PostClick(frmAbout->cmdOK);
    }

  private:
    static void PostClick(QWidget &button) {
        const QPointF centre = QRectF(button.rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &button,
                new QMouseEvent(type, centre, button.mapToGlobal(centre), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    }
};

class StartUp : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        platform::SetClock([] { return QDateTime(QDate(2024, 3, 15), QTime(10, 0)); });
        platform::SetSteadyClock(
            {[this] { return Clock.Milliseconds; }, [this](qint64 ms) { Clock.Sleep(ms); }});
    }
    void TearDown() override {
        platform::SetSteadyClock({});
        FrameTest::TearDown();
    }

    SleepingClock Clock;
};

std::vector<std::string> VisibleWindows() {
    std::vector<std::string> shown;
    if (frmMonthlyCal->Visible()) shown.push_back("frmMonthlyCal");
    for (int16_t cal = 1; cal <= 4; ++cal)
        if (YearWindowOf(cal)->Visible())
            shown.push_back(YearWindowOf(cal)->objectName().toStdString());
    if (frmMoon->Visible()) shown.push_back("frmMoon");
    return shown;
}

TEST_F(StartUp, SplashStaysUpUntilTheDeadlineSleepingAndDroppingInput) {
    Start::Main();

    // 0.000012 day is 1036.8 ms: the wait ends at the first whole millisecond past it,
    // in sleeps short enough to paint the splash whenever the window system asks.
    EXPECT_EQ(Clock.Milliseconds - SleepingClock::Start, 1037);
    ASSERT_GE(Clock.Sleeps.size(), 10u);
    EXPECT_LE(*std::max_element(Clock.Sleeps.begin(), Clock.Sleeps.end()), 100);
    EXPECT_TRUE(std::all_of(Clock.SplashShown.begin(), Clock.SplashShown.end(),
                            [](bool shown) { return shown; }));
    EXPECT_FALSE(frmAbout.Exists());
}

TEST_F(StartUp, TodayFromTheClockRunsThroughTheEngine) {
    Start::Main();

    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Day], 15);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Month], 3);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2024);
    EXPECT_EQ(Calc::CurrentJD, 2460385);
    // The Julian calendar runs 13 days behind in this century.
    EXPECT_EQ(Calc::CalDates[Calc::Julian][Calc::Day], 2);
    EXPECT_EQ(Calc::CalDates[Calc::Julian][Calc::Month], 3);
    // 2460385 mod 7 + 1: a Friday.
    EXPECT_EQ(ChangeCals::CurrentWeekDay, 5);
}

struct StartupCase {
    const char *name;
    const char *stored; // "Startup" "Window"
    std::vector<std::string> shown;
    std::vector<std::string> calls;
    int16_t source;
};

class StartupWindow : public StartUp, public testing::WithParamInterface<StartupCase> {};

TEST_P(StartupWindow, OpensTheNamedWindowAndNoOther) {
    const StartupCase &c = GetParam();
    platform::WriteSetting("Startup", "Window", c.stored);

    Start::Main();

    EXPECT_EQ(VisibleWindows(), c.shown);
    EXPECT_EQ(Calls, c.calls);
    EXPECT_EQ(ChangeCals::ChangeSource, c.source);
    EXPECT_TRUE(frmMonthlyCal.Exists());
    for (int16_t cal = 1; cal <= 4; ++cal)
        EXPECT_TRUE(YearWindowOf(cal).Exists());
    EXPECT_TRUE(frmMoon.Exists());
}

INSTANTIATE_TEST_SUITE_P(
    Stored, StartupWindow,
    testing::Values(StartupCase{"Monthly", "0", {"frmMonthlyCal"}, {"frmMonthlyCal.ReSetForm"}, 0},
                    StartupCase{"Jewish", "3", {"frmJewish"}, {"frmJewish.SetYearForm"}, 3},
                    StartupCase{
                        "OutOfRange", "7", {"frmMonthlyCal"}, {"frmMonthlyCal.ReSetForm"}, 0}),
    [](const testing::TestParamInfo<StartupCase> &info) { return info.param.name; });

TEST_F(StartUp, SavedPositionsPlaceTheWindowsAsTheyAreCreated) {
    platform::WriteSetting("Moslem", "Top", "600");
    platform::WriteSetting("Moslem", "Left", "-900");
    platform::WriteSetting("Moon", "Top", QString::number(platform::ScreenHeight()));
    platform::WriteSetting("Moon", "Left", "300");

    Start::Main();

    EXPECT_EQ(frmMoslem->Top(), 600);
    EXPECT_EQ(frmMoslem->Left(), -900);
    EXPECT_EQ(frmMoon->Top(), 0);
    EXPECT_EQ(frmMoon->Left(), 0);
}

// An edge either as it stands or counted back from the screen's far edge.
struct Edge {
    int twips;
    bool fromScreen = false;

    int On(int screen) const { return fromScreen ? screen - twips : twips; }
};

struct PlaceCase {
    const char *name;
    Edge top;
    Edge left;
    bool applied;
};

class PlaceWindow : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceWindow, AppliesOnlyPositionsOnTheScreen) {
    const PlaceCase &c = GetParam();
    const int top = c.top.On(platform::ScreenHeight());
    const int left = c.left.On(platform::ScreenWidth());
    platform::Form window(QStringLiteral("window"));
    window.SetTop(1500);
    window.SetLeft(3000);

    Start::PlaceWindow(window, static_cast<int16_t>(top), static_cast<int16_t>(left));

    EXPECT_EQ(window.Top(), c.applied ? top : 1500);
    EXPECT_EQ(window.Left(), c.applied ? left : 3000);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PlaceWindow,
    testing::Values(PlaceCase{"NeverSaved", {32737}, {32737}, false},
                    PlaceCase{"Saved", {600}, {900}, true},
                    PlaceCase{"Negative", {-300}, {-450}, true},
                    PlaceCase{"JustInsideTheScreen", {15, true}, {15, true}, true},
                    PlaceCase{"TopAtScreenHeight", {0, true}, {900}, false},
                    PlaceCase{"LeftAtScreenWidth", {600}, {0, true}, false},
                    PlaceCase{"BothPastTheScreen", {-15, true}, {-15, true}, false}),
    [](const testing::TestParamInfo<PlaceCase> &info) { return info.param.name; });

} // namespace
} // namespace FrameTesting
