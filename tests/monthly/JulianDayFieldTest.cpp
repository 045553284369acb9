// The typed Julian Day: digits only, applied on Enter, on a pick and on leaving the
// field, refused with a message outside the range.
#include "MonthlyFixture.h"

#include "FakeWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString RangeMessage = QString("Julian Days admissible range:\n1721319 \u2014 2817404");

struct TypedCase {
    const char *name;
    const char *typed;
    bool applied;
    int beeps;
};

class TypedJulianDayTest : public MonthlyWindowTest,
                           public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedJulianDayTest, EnterAppliesADayInRangeAndRefusesTheRest) {
    const TypedCase &c = GetParam();
    const int32_t start = Calc::CurrentJD;
    TypeJulianDay(c.typed);
    EXPECT_EQ(alerts->Beeps, c.beeps);
    const QString text = Window().Combo8.Text();
    QTest::keyClick(&Window().Combo8, Qt::Key_Return);
    if (c.applied) {
        ExpectWindowShows(text.toInt());
        EXPECT_TRUE(alerts->Messages.empty());
    } else {
        EXPECT_EQ(Calc::CurrentJD, start);
        ASSERT_EQ(alerts->Messages.size(), 1u);
        EXPECT_EQ(alerts->Messages[0].Text, RangeMessage);
        EXPECT_EQ(alerts->Messages[0].Title, "Monthly calendars");
        EXPECT_TRUE(Window().Combo8.hasFocus());
    }
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedJulianDayTest,
                         testing::Values(TypedCase{"Valid", "2451545", true, 0},
                                         TypedCase{"FirstOfTheRange", "1721319", true, 0},
                                         TypedCase{"LastOfTheRange", "2817404", true, 0},
                                         TypedCase{"BelowTheRange", "1000", false, 0},
                                         TypedCase{"AboveTheRange", "2817405", false, 0},
                                         TypedCase{"Empty", "", false, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, ADecimalSignIsRefusedAtItsKeystroke) {
    const QString before = Window().Combo8.Text();
    TypeJulianDay("12");
    EXPECT_EQ(Window().Combo8.Text(), "12");
    QTest::keyClick(&Window().Combo8, '.');
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(Window().Combo8.Text(), before);
    QTest::keyClicks(&Window().Combo8, ",5");
    EXPECT_EQ(alerts->Beeps, 2);
    EXPECT_FALSE(Window().Combo8.Text().contains(QRegularExpression("[.,]")));
}

TEST_F(MonthlyWindowTest, LettersAreRefused) {
    const QString before = Window().Combo8.Text();
    TypeJulianDay("abc");
    EXPECT_EQ(alerts->Beeps, 3);
    EXPECT_EQ(Window().Combo8.Text(), before);
}

TEST_F(MonthlyWindowTest, LeavingTheFieldAppliesTheTypedDay) {
    TypeJulianDay("2451545");
    QTest::keyClick(&Window().Combo8, Qt::Key_Tab);
    ExpectWindowShows(2451545);
}

TEST_F(MonthlyWindowTest, LeavingTheFieldAfterEnterAppliesNothingMore) {
    QTest::mouseClick(&Window().Command2[ChangeCals::MoonPhase], Qt::LeftButton);
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    TypeJulianDay("2451545");
    QTest::keyClick(&Window().Combo8, Qt::Key_Return);
    const int refreshes = Log.MoonResets;
    QTest::keyClick(&Window().Combo8, Qt::Key_Tab);
    EXPECT_FALSE(Window().Combo8.hasFocus());
    EXPECT_EQ(Log.MoonResets, refreshes);
    EXPECT_TRUE(alerts->Messages.empty());
}

TEST_F(MonthlyWindowTest, ATypedDayThatHidesAnEnteredColumnIsAppliedOnce) {
    QTest::mouseClick(&Window().Command2[ChangeCals::MoonPhase], Qt::LeftButton);
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Pick(Window().Combo2[4], Window().Combo2[4].Text()); // the user was in the Moslem column
    const int refreshes = Log.MoonResets;

    TypeJulianDay("1900000"); // before the Moslem epoch
    QTest::keyClick(&Window().Combo8, Qt::Key_Return);
    ExpectWindowShows(1900000);
    EXPECT_EQ(Log.MoonResets, refreshes + 1);
    // The focus leaves the hidden column's neighbourhood for the options button.
    EXPECT_TRUE(Window().Command1[3].hasFocus());
}

TEST_F(MonthlyWindowTest, LeavingAnOutOfRangeFieldShowsTheMessageOnceAndKeepsTheFocus) {
    TypeJulianDay("1000");
    QTest::keyClick(&Window().Combo8, Qt::Key_Tab);
    EXPECT_EQ(alerts->Messages.size(), 1u);
    EXPECT_TRUE(Window().Combo8.hasFocus());
    EXPECT_EQ(Calc::CurrentJD, Gregorian(14, 3, 2024));
}

struct ListCase {
    const char *name;
    int32_t day;
    int count;
};

class JulianDayListTest : public MonthlyWindowTest, public testing::WithParamInterface<ListCase> {};

TEST_P(JulianDayListTest, HoldsTheCurrentDayOnceInOrder) {
    GoTo(GetParam().day);
    platform::ComboBox &field = Window().Combo8;
    QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.view()->isVisible(); }));
    QTest::keyClick(field.view(), Qt::Key_Escape);

    ASSERT_EQ(field.ListCount(), GetParam().count);
    int found = 0;
    for (int i = 0; i < field.ListCount(); ++i) {
        if (i > 0) {
            EXPECT_LT(field.List(i - 1).toInt(), field.List(i).toInt()) << "at " << i;
        }
        found += field.List(i).toInt() == GetParam().day;
    }
    EXPECT_EQ(found, 1);
    EXPECT_EQ(field.Text(), QString::number(GetParam().day));
}

// 1 January of the Julian year 5 is Julian Day 1722885.
INSTANTIATE_TEST_SUITE_P(Days, JulianDayListTest,
                         testing::Values(ListCase{"LastDayOfALeapYear", 1722884, 3004},
                                         ListCase{"FirstDayOfAYear", 1722885, 3003}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, PickingFromTheJulianDayListAppliesTheDay) {
    Pick(Window().Combo8, "2451558"); // 1 January 2000 of the Julian calendar
    ExpectWindowShows(2451558);
}

} // namespace
