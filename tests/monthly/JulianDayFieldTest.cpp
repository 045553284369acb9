// The typed Julian Day: digits only, applied on Enter, on a pick and on leaving the
// field or the window, refused with a message outside the range.
#include "MonthlyFixture.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <QDate>
#include <QTest>

namespace {

struct TypedCase {
    const char *name;
    const char *typed;
    bool openList; // the list was opened and closed before Enter
    bool applied;
};

class TypedJulianDayTest : public MonthlyWindowTest,
                           public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedJulianDayTest, EnterAppliesADayInRangeAndRefusesTheRest) {
    const TypedCase &c = GetParam();
    const int32_t start = Calc::CurrentJD;
    TypeJulianDay(c.typed);
    if (c.openList) OpenAndCloseJulianDayList();
    QTest::keyClick(&Window().Combo8, Qt::Key_Return);
    if (c.applied) {
        ExpectShows(QString(c.typed).toInt());
        EXPECT_TRUE(alerts->Messages.empty());
        return;
    }
    EXPECT_EQ(Calc::CurrentJD, start);
    ASSERT_EQ(alerts->Messages.size(), 1u);
    EXPECT_EQ(alerts->Messages[0].Text, "Julian Days admissible range:\n1721319 \u2014 2817404");
    EXPECT_EQ(alerts->Messages[0].Title, "Monthly calendars");
    EXPECT_TRUE(Window().Combo8.hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedJulianDayTest,
                         testing::Values(TypedCase{"LastOfTheRange", "2817404", false, true},
                                         TypedCase{"AboveTheRange", "2817405", false, false},
                                         TypedCase{"AfterTheListWasOpened", "2451600", true, true},
                                         // 2^32 + 2451545 is no day, whatever 32 bits make of it.
                                         TypedCase{"TenDigitsAfterTheListWasOpened", "4297418841",
                                                   true, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, TypingTakesDigitsOnlyAndCompletesNothingFromTheFilledList) {
    TypeJulianDay("17213");
    QTest::keyClicks(&Window().Combo8, ".,a");
    EXPECT_EQ(alerts->Beeps, 3);
    OpenAndCloseJulianDayList(); // the list holds 1721319 and 1721424
    QTest::keyClicks(&Window().Combo8, "1");
    EXPECT_EQ(Window().Combo8.Text(), "172131");
}

TEST_F(MonthlyWindowTest, LeavingTheFieldAppliesTheTypedDayOnce) {
    QTest::mouseClick(&Window().Command2[ChangeCals::MoonPhase], Qt::LeftButton);
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    TypeJulianDay("2451545");
    QTest::keyClick(&Window().Combo8, Qt::Key_Tab);
    ExpectShows(2451545);
    EXPECT_EQ(MoonResets, 2);
}

// Typed, then another of the program's windows taken up: the field shows the day every
// column shows, the typed one when it is a day of the range.
TEST_F(MonthlyWindowTest, GoingToAnotherWindowLeavesNoTypedTextBehind) {
    const std::pair<const char *, int32_t> cases[] = {{"2451545", 2451545}, {"245", 2451545}};
    for (const auto &[typed, shown] : cases) {
        SCOPED_TRACE(typed);
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        TypeJulianDay(typed);
        YearForm &other = *YearWindowOf(Calc::Gregorian);
        other.Show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        ExpectShows(shown);
    }
}

// The click that takes the focus from a refused day changes nothing, and the button
// it hit is not left pushed.
TEST_F(MonthlyWindowTest, ARefusedDayVoidsTheClickThatLeftTheField) {
    const int32_t start = Calc::CurrentJD;
    TypeJulianDay("0");
    ClickDay(2, 20);
    EXPECT_EQ(alerts->Messages.size(), 1u);
    EXPECT_EQ(Calc::CurrentJD, start);
    EXPECT_TRUE(Window().Combo8.hasFocus());

    platform::CommandButton &today = Window().Command1[2];
    QTest::mousePress(&today, Qt::LeftButton);
    EXPECT_EQ(alerts->Messages.size(), 2u);
    EXPECT_FALSE(today.isDown());
    QTest::mouseRelease(&today, Qt::LeftButton);
    EXPECT_EQ(Calc::CurrentJD, start);
    EXPECT_TRUE(Window().Combo8.hasFocus());
}

// A click on a day when the Moslem column cannot follow: the refresh parks the focus
// in the Julian Day field on its way off the disabled column, and that must not apply
// the day the field still shows from before the click.
TEST_F(MonthlyWindowTest, TheRefreshPassingTheFocusThroughTheFieldKeepsTheClickedDay) {
    const int32_t start = 1927859;
    ASSERT_LT(start + 31, Calc::MinJD[Calc::Moslem]);
    GoTo(start);
    const QDate shown = QDate::fromJulianDay(start);
    const int day = shown.day() == 12 ? 13 : 12;
    ClickDay(2, day);
    ExpectShows(QDate(shown.year(), shown.month(), day).toJulianDay());
}

} // namespace
