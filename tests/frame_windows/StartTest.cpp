#include "FrameFixture.h"

#include "frame/WindowPlacement.h"
#include "frame/about/AboutWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

namespace {

using namespace FrameTesting;

// The wall clock at ten o'clock on 15 March 2024, and a monotonic clock that stands
// still until start-up sleeps: each sleep moves it on by the time asked, notes
// whether the splash is up, and clicks the splash's OK button through the event
// queue, a click start-up must not handle.
class StartUp : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        platform::SetClock([] { return QDateTime(QDate(2024, 3, 15), QTime(10, 0)); });
        platform::SetSteadyClock({[this] { return now; }, [this](qint64 ms) { Sleep(ms); }});
    }

    void Sleep(qint64 ms) {
        sleeps.push_back(ms);
        now += ms;
        splashShown.push_back(frmAbout.Exists() && frmAbout->Visible());
        if (!splashShown.back()) return;
        QWidget &button = frmAbout->cmdOK;
        const QPointF centre = QRectF(button.rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &button,
                new QMouseEvent(type, centre, button.mapToGlobal(centre), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    }

    static constexpr qint64 Started = 50000;
    qint64 now = Started;
    std::vector<qint64> sleeps;
    std::vector<bool> splashShown;
};

// 15 March 2024: 2 March in the Julian calendar, 5 Adar II 5784, and 6 Ramadan 1445
// of the tabular calendar counted from 15 July 622; a Friday.
TEST_F(StartUp, SplashStaysUpSleepingAndDroppingInputWhileTodayRunsThroughTheEngine) {
    Start::Main();

    // 0.000012 day is 1036.8 ms: the wait ends at the first whole millisecond past it,
    // in sleeps short enough to paint the splash whenever the window system asks.
    EXPECT_EQ(now, Started + 1037);
    ASSERT_GE(sleeps.size(), 10u);
    EXPECT_LE(*std::max_element(sleeps.begin(), sleeps.end()), 100);
    EXPECT_EQ(std::count(splashShown.begin(), splashShown.end(), false), 0);
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_EQ(frmMoslem->ExitButton().ToolTipText(), "Exit"); // tips on, hidden windows too

    EXPECT_EQ(Calc::CurrentJD, 2460385);
    const int32_t *moslem = &Calc::CalDates[Calc::Moslem][Calc::Day];
    EXPECT_EQ(std::vector<int32_t>(moslem, moslem + 3), (std::vector<int32_t>{6, 9, 1445}));
    EXPECT_EQ(ChangeCals::CurrentWeekDay, 5);
}

struct StartupCase {
    const char *name;
    const char *stored;  // "Startup" "Window"
    std::string refresh; // the one window's refresh
    int16_t source;
};

class StartupWindow : public StartUp, public testing::WithParamInterface<StartupCase> {};

TEST_P(StartupWindow, OpensTheNamedWindowAndNoOther) {
    const StartupCase &c = GetParam();
    platform::WriteSetting("Startup", "Window", c.stored);

    Start::Main();

    EXPECT_EQ(Calls, std::vector<std::string>{c.refresh});
    EXPECT_EQ(Frame::CountVisibleWindows(), 1);
    EXPECT_EQ(ChangeCals::ChangeSource, c.source);
    EXPECT_EQ(Created, 6);
}

const StartupCase StartupCases[] = {{"Monthly", "0", "frmMonthlyCal.ReSetForm", 0},
                                    {"Jewish", "3", "frmJewish.SetYearForm", 3},
                                    {"OutOfRange", "7", "frmMonthlyCal.ReSetForm", 0}};
INSTANTIATE_TEST_SUITE_P(Stored, StartupWindow, testing::ValuesIn(StartupCases), CaseName);

// The Moslem window where it was saved; the Julian one, never saved, a step below and
// right of the monthly window (the designed places' arithmetic is tabled below).
TEST_F(StartUp, WindowsOpenAtTheirSavedOrDesignedPlaces) {
    platform::WriteSetting("Moslem", "Top", "600");
    platform::WriteSetting("Moslem", "Left", "-900");

    Start::Main();

    EXPECT_EQ(std::pair(frmMoslem->Left(), frmMoslem->Top()), std::pair(-900, 600));
    EXPECT_NEAR(frmJulian->Left(), frmMonthlyCal->Left() + 450, 15);
    EXPECT_NEAR(frmJulian->Top(), frmMonthlyCal->Top() + 450, 15);
}

// A primary screen of 1280 x 1024 pixels with a panel along its top, and a second
// screen of the same size to its right or below; windows 6000 x 4500 twips.
const platform::Area Primary{0, 0, 19200, 15360};
const platform::Area Work{0, 450, 19200, 14910};
const platform::Area Right{19200, 0, 19200, 15360};
const platform::Area Below{0, 15360, 19200, 15360};
const platform::Area Designed{6600, 5430, 6000, 4500};

TEST(PlacedAt, SavedPlacesOnAnyScreenAreKeptAndOthersBroughtBack) {
    const struct {
        const char *name;
        int16_t top, left;
        std::vector<platform::Area> screens;
        platform::Area placed;
    } cases[] = {
        {"NeverSaved", 32737, 32737, {Primary}, Designed},
        {"OnlyTopSaved", 600, 32737, {Primary}, Designed},
        {"OnThePrimaryScreen", 600, 900, {Primary}, {900, 600, 6000, 4500}},
        {"PartlyOffToTheLeft", 600, -4500, {Primary}, {-4500, 600, 6000, 4500}},
        {"OnASecondScreenToTheRight", 600, 25000, {Primary, Right}, {25000, 600, 6000, 4500}},
        {"OnASecondScreenBelow", 20000, 900, {Primary, Below}, {900, 20000, 6000, 4500}},
        {"OnAScreenThatIsGone", 600, 25000, {Primary}, {13200, 600, 6000, 4500}},
        {"TitleBarAboveTheScreen", -100, 900, {Primary}, {900, 450, 6000, 4500}},
        {"FarOffEveryScreen", -32768, -32768, {Primary, Right}, {0, 450, 6000, 4500}}};
    for (const auto &c : cases)
        EXPECT_EQ(Start::PlacedAt(c.top, c.left, Designed, c.screens, Work), c.placed) << c.name;
}

// The moon window comes last in the cascade; a window too large for the cascade's
// place is kept inside the work area.
TEST(DesignedPlace, CascadedFromTheMonthlyWindowInsideTheWorkArea) {
    const platform::Area monthly{0, 0, 9000, 6000};
    const struct {
        int16_t index;
        platform::Area size, placed;
    } cases[] = {{2, {0, 0, 6000, 4500}, {6000, 5805, 6000, 4500}},
                 {6, {0, 0, 3400, 3400}, {7350, 7155, 3400, 3400}},
                 {4, {0, 0, 12000, 9000}, {6900, 6360, 12000, 9000}}};
    for (const auto &c : cases)
        EXPECT_EQ(Start::DesignedPlace(c.index, c.size, monthly, Work), c.placed) << c.index;
}

} // namespace
