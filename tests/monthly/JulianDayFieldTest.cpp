// The typed Julian Day: digits only, applied on Enter, on a pick and on leaving the
// field or the window, refused with a message outside the range.
#include "MonthlyFixture.h"

namespace {

// With the list opened and closed before Enter: a ten-digit day (2^32 + 2451545, a day
// of the range to 32 bits) is refused, a day of the range applied, from either Enter.
TEST_F(MonthlyWindowTest, EnterAfterTheListWasOpenedRefusesTenDigitsAndAppliesADay) {
    const int32_t start = Calc::CurrentJD;
    TypeJulianDay("4297418841");
    OpenAndCloseJulianDayList();
    QTest::keyClick(&Window().Combo8, Qt::Key_Return);
    EXPECT_EQ(Calc::CurrentJD, start);
    ASSERT_EQ(alerts->Messages.size(), 1u);
    EXPECT_EQ(alerts->Messages[0].Text, "Julian Days admissible range:\n1721319 \u2014 2817404");
    EXPECT_EQ(alerts->Messages[0].Title, "Monthly calendars");
    EXPECT_TRUE(Window().Combo8.hasFocus());

    TypeJulianDay("2451600");
    OpenAndCloseJulianDayList();
    QTest::keyClick(&Window().Combo8, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter
    ExpectShows(2451600);
    EXPECT_EQ(alerts->Messages.size(), 1u);
}

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
    for (const char *typed : {"2451545", "245"}) {
        SCOPED_TRACE(typed);
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        TypeJulianDay(typed);
        YearForm &other = *YearWindowOf(Calc::Gregorian);
        other.Show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        ExpectShows(2451545);
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
