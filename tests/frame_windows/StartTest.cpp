#include "FrameFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/Start.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"
#include "platform/core/Clock.h"
#include "platform/core/Settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace FrameTesting {
namespace {

// Counts the events it is given.
class EventCounter : public QObject {
  public:
    int Received = 0;
    bool event(QEvent *) override {
        ++Received;
        return true;
    }
};

// A clock that moves on by one millisecond each time it is read, starting at ten
// o'clock on 15 March 2024; every reading posts an event, which start-up must not
// handle, and notes whether the splash is up.
class SteppingClock {
  public:
    const QDateTime Start{QDate(2024, 3, 15), QTime(10, 0), Qt::UTC};
    std::vector<qint64> Readings; // milliseconds after Start
    std::vector<bool> SplashShown;
    EventCounter Events;

    QDateTime Read() {
        const qint64 ms = static_cast<qint64>(Readings.size());
        Readings.push_back(ms);
        SplashShown.push_back(frmAbout.Exists() && frmAbout->Visible());
        QCoreApplication::postEvent(&Events, new QEvent(QEvent::User));
        return Start.addMSecs(ms);
    }
};

class StartUp : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        platform::SetClock([this] { return Clock.Read(); });
    }
    void TearDown() override {
        QCoreApplication::removePostedEvents(&Clock.Events);
        FrameTest::TearDown();
    }

    SteppingClock Clock;
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

TEST_F(StartUp, SplashStaysUpUntilTheDeadlineWithoutHandlingEvents) {
    Start::Main();

    // The deadline is 1036.8 ms after the first reading: the wait stops at the
    // first reading not earlier than that, 1037 ms, and reads no further.
    ASSERT_GE(Clock.Readings.size(), 3u);
    EXPECT_EQ(Clock.Readings.back(), 1037);
    EXPECT_TRUE(std::all_of(Clock.SplashShown.begin(), Clock.SplashShown.end(),
                            [](bool shown) { return shown; }));
    EXPECT_EQ(Clock.Events.Received, 0);
    EXPECT_FALSE(frmAbout.Exists());

    QCoreApplication::sendPostedEvents(&Clock.Events);
    EXPECT_EQ(Clock.Events.Received, static_cast<int>(Clock.Readings.size()));
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
