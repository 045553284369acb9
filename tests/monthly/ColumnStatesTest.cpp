// A column whose calendar cannot show the day: hidden before its calendar's first
// day (its picture shows), disabled after its last.
#include "MonthlyFixture.h"

#include "engine/Calc.h"
#include "frame/AppState.h"
#include "platform/FormRef.h"

namespace {

TEST_F(MonthlyWindowTest, ADayBeforeTheMoslemEpochHidesItsColumnAndShowsItsPicture) {
    GoToGregorian(1, 1, 600);
    MonthlyWindow &window = Window();
    const int moslem = ColumnOf(Calc::Moslem);
    for (platform::ComboBox *field :
         {&window.Combo1[moslem], &window.Combo2[moslem], &window.Combo3[moslem],
          &window.Combo4[moslem], &window.Combo5[moslem]})
        EXPECT_FALSE(field->isVisible()) << field->objectName().toStdString();
    EXPECT_FALSE(window.MSFlexGrid1[moslem].isVisible());
    EXPECT_TRUE(window.Image1[Calc::Moslem].isVisible());
    EXPECT_EQ(window.childAt(window.Image1[Calc::Moslem].geometry().center()),
              &window.Image1[Calc::Moslem]);
    ExpectWindowShows(Gregorian(1, 1, 600));

    GoToGregorian(14, 3, 2024);
    EXPECT_TRUE(window.MSFlexGrid1[moslem].isVisible());
    EXPECT_EQ(window.childAt(window.Image1[Calc::Moslem].geometry().center()),
              &window.MSFlexGrid1[moslem]);
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, EachPictureLiesWhollyBehindTheGridOfItsCalendar) {
    MonthlyWindow &window = Window();
    for (int pos = 1; pos <= 4; ++pos) {
        const QRect grid = window.MSFlexGrid1[pos].geometry();
        const QRect picture = window.Image1[Start::ColumnCals[pos]].geometry();
        EXPECT_TRUE(grid.contains(picture)) << "column " << pos;
        EXPECT_EQ(picture.height(), grid.height());
    }
}

TEST_F(MonthlyWindowTest, ADayAfterAColumnsLastDayDisablesItWithOnlyItsYear) {
    MonthlyWindow &window = Window();
    Pick(window.Combo2[2], "2024"); // the Gregorian year list is full now
    ASSERT_EQ(window.Combo2[2].ListCount(), 3000);

    GoTo(Calc::MaxJD[Calc::Jewish]);
    for (const int16_t cal : {Calc::Julian, Calc::Gregorian, Calc::Moslem}) {
        const int pos = ColumnOf(cal);
        SCOPED_TRACE(pos);
        EXPECT_TRUE(window.Combo2[pos].isVisible());
        EXPECT_FALSE(window.Combo1[pos].isEnabled());
        EXPECT_FALSE(window.Combo5[pos].isEnabled());
        EXPECT_FALSE(window.MSFlexGrid1[pos].TabStop());
        EXPECT_EQ(window.Combo2[pos].ListCount(), 1);
        EXPECT_EQ(window.Combo2[pos].Text(), QString::number(Calc::CalDates[cal][Calc::Year]));
    }
    EXPECT_TRUE(window.Combo1[ColumnOf(Calc::Jewish)].isEnabled());
    EXPECT_EQ(window.Combo2[2].Text(), "3001");

    GoToGregorian(14, 3, 2024);
    EXPECT_TRUE(window.Combo1[2].isEnabled());
    EXPECT_TRUE(window.MSFlexGrid1[2].TabStop());
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, TheWindowOpensAtItsSavedPosition) {
    platform::DestroyAllForms();
    Start::WinTop[Start::MonthlyWindowIndex] = 1500;
    Start::WinLeft[Start::MonthlyWindowIndex] = 3000;
    EXPECT_EQ(Window().Top(), 1500);
    EXPECT_EQ(Window().Left(), 3000);
    EXPECT_FALSE(Window().Visible());
}

} // namespace
