#include "FrameFixture.h"

#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/about/AboutWindow.h"
#include "yearwindows/YearWindow.h"

#include <QTest>
#include <cstdlib>

namespace FrameTesting {
namespace {

class YearWindows : public FrameTest {
  protected:
    YearForm *MakeYearWindow(int16_t cal) override { return new YearWindow(cal); }

    static YearWindow &Year(int16_t cal) { return static_cast<YearWindow &>(*YearWindowOf(cal)); }
};

struct NamesCase {
    int16_t cal;
    const char *caption;
    const char *others[3];
};

class YearWindowNames : public YearWindows, public testing::WithParamInterface<NamesCase> {};

TEST_P(YearWindowNames, CaptionAndOtherCalendarButtons) {
    const NamesCase &c = GetParam();
    YearWindow &window = Year(c.cal);
    window.SetYearForm();

    EXPECT_EQ(window.Caption(), c.caption);
    for (int index = 7; index <= 9; ++index)
        EXPECT_EQ(window.Command1[index].Caption(), c.others[index - 7]);
}

INSTANTIATE_TEST_SUITE_P(Calendars, YearWindowNames,
                         testing::Values(NamesCase{1, "Julian calendar", {"Gre", "Jew", "Mos"}},
                                         NamesCase{2, "Gregorian calendar", {"Jul", "Jew", "Mos"}},
                                         NamesCase{3, "Jewish calendar", {"Jul", "Gre", "Mos"}},
                                         NamesCase{4, "Moslem calendar", {"Jul", "Gre", "Jew"}}),
                         [](const testing::TestParamInfo<NamesCase> &info) {
                             return std::string(info.param.caption).substr(0, 3);
                         });

struct ControlCase {
    const char *name;
    int left;
    int width;
};

TEST_F(YearWindows, ToolbarFollowsTheDesign) {
    const ControlCase controls[] = {
        {"Command1_7", 110, 435},  {"Command1_8", 606, 435},  {"Command1_9", 1102, 435},
        {"Command2_0", 1598, 435}, {"Command2_8", 1598, 435}, {"Command1_1", 2124, 315},
        {"Combo1", 2470, 840},     {"Command1_2", 3341, 315}, {"Command1_3", 3747, 435},
        {"Command1_4", 4243, 435}, {"Command1_5", 4739, 435}, {"Command1_6", 5239, 435}};
    YearWindow &window = Year(2);
    // Twips land on whole pixels of 15 twips: each edge within half a pixel.
    constexpr int HalfPixel = 8;
    for (const ControlCase &c : controls) {
        const QWidget *control = window.findChild<QWidget *>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_LE(std::abs(control->x() * 15 - c.left), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->width() * 15 - c.width), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->y() * 15 - 54), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->height() * 15 - 315), HalfPixel) << c.name;
    }
    // The grid lies below the toolbar and the window ends at its edges.
    EXPECT_EQ(window.MSFlexGrid1.Left(), 0);
    EXPECT_GT(window.MSFlexGrid1.Top(), 54 + 315);
    EXPECT_EQ(window.ScaleWidth(), window.MSFlexGrid1.Width());
    EXPECT_EQ(window.ScaleHeight(), window.MSFlexGrid1.Top() + window.MSFlexGrid1.Height());
}

TEST_F(YearWindows, LoadPlacesTheWindowAtItsSavedPosition) {
    Start::WinTop[4] = 600;
    Start::WinLeft[4] = -900;
    EXPECT_EQ(frmMoslem->Top(), 600);
    EXPECT_EQ(frmMoslem->Left(), -900);
}

TEST_F(YearWindows, MoonOfTheDayIsInFront) {
    ChangeCals::MoonPhase = 4;
    YearWindow &window = Year(1);
    window.SetYearForm();
    for (int phase = 0; phase <= 8; ++phase)
        EXPECT_EQ(window.Command2[phase].TabStop(), phase == 4) << phase;
    EXPECT_EQ(window.childAt(window.Command2[4].geometry().center()), &window.Command2[4]);
}

TEST_F(YearWindows, ExitLeftClickHidesOneOfTwo) {
    frmMonthlyCal->Show();
    frmJulian->Show();

    QTest::mouseClick(&Year(1).Command1[6], Qt::LeftButton);

    EXPECT_EQ(Ends, 0);
    EXPECT_FALSE(frmJulian->Visible());
    EXPECT_EQ(frmMonthlyCal->ExitButton().ToolTipText(), "Exit");
}

TEST_F(YearWindows, ExitLeftClickOnTheLastWindowSavesAndEnds) {
    frmJewish->Show();
    frmJewish->SetTop(450);
    frmJewish->SetLeft(600);

    QTest::mouseClick(&Year(3).Command1[6], Qt::LeftButton);

    EXPECT_EQ(Ends, 1);
    EXPECT_EQ(PositionsAtEnd.at("Jewish"), std::make_pair(QString("450"), QString("600")));
}

TEST_F(YearWindows, ExitRightButtonEndsWhateverIsShown) {
    frmMonthlyCal->Show();
    frmGregorian->Show();
    frmMoslem->Show();

    QTest::mousePress(&Year(4).Command1[6], Qt::RightButton);

    EXPECT_EQ(Ends, 1);
    EXPECT_NE(PositionsAtEnd.at("Moslem").first, "absent");
}

TEST_F(YearWindows, TitleBarCloseDestroysTheWindow) {
    frmMonthlyCal->Show();
    frmGregorian->Show();

    frmGregorian->close();

    EXPECT_EQ(Ends, 0);
    EXPECT_FALSE(frmGregorian.Exists());
    EXPECT_EQ(frmMonthlyCal->ExitButton().ToolTipText(), "Exit");
}

TEST_F(YearWindows, OtherCalendarButtonOpensThatWindow) {
    frmJewish->Show();

    QTest::mouseClick(&Year(3).Command1[9], Qt::LeftButton);

    EXPECT_TRUE(frmMoslem->Visible());
    EXPECT_EQ(Year(4).Command1[7].Caption(), "Jul");
    EXPECT_EQ(frmJewish->ExitButton().ToolTipText(),
              "Left$ mouse button \u2014 Close window. Right$ mouse button \u2014 Exit");
}

TEST_F(YearWindows, AboutButtonOpensTheAboutWindow) {
    frmJulian->Show();
    QTest::mouseClick(&Year(1).Command1[5], Qt::LeftButton);
    EXPECT_TRUE(frmAbout.Exists());
    EXPECT_TRUE(frmAbout->Visible());
}

TEST_F(YearWindows, MoonButtonOpensTheMoonWindowUpToDate) {
    frmJulian->Show();
    QTest::mouseClick(&Year(1).Command2[0], Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMoon.ReSetForm"});
}

} // namespace
} // namespace FrameTesting
