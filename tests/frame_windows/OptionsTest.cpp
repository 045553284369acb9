// The options window: what Apply writes and which windows it brings up to date,
// and the tooltips it puts on or takes off. The monthly and moon windows are the
// frame's stand-ins, which log their refreshes; the year windows are the real ones
// where their tooltips are looked at.
#include "FrameFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Tooltips.h"
#include "frame/WindowManagement.h"
#include "frame/about/AboutWindow.h"
#include "frame/options/OptionsWindow.h"
#include "yearwindows/YearWindow.h"

#include <QFile>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace FrameTesting {
namespace {

constexpr const char *German = "[CALENDARS]\n1=Julianischer Kalender\n2=Gregorianischer "
                               "Kalender\n3=Jüdischer Kalender\n4=Islamischer "
                               "Kalender\n5=Monatskalender\n[STRINGS]\n2=Jahr\n";

class Options : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Calc::StartEngine({.firstWeekDay = {1, 1, 1, 1}});
        for (int16_t cal = 1; cal <= 4; ++cal)
            Start::ColumnCals[cal] = cal;
        Calc::CalDates[Calc::Gregorian][Calc::Day] = 6;
        Calc::CalDates[Calc::Gregorian][Calc::Month] = 12;
        Calc::CalDates[Calc::Gregorian][Calc::Year] = 2026;
        Calc::FromGregorian();
        Calc::ToJulian();
        Calc::ToJewish();
        Calc::ToMoslem();
        ChangeCals::SetDayFacts();
    }

    YearForm *MakeYearWindow(int16_t cal) override {
        return realYears_ ? new YearWindow(cal) : FrameTest::MakeYearWindow(cal);
    }

  public:
    void WriteLanguage(const QString &name, const QByteArray &text) {
        QFile file(Folder.filePath(name + ".lng"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void RemoveLanguage(const QString &name) { QFile::remove(Folder.filePath(name + ".lng")); }

  protected:
    OptionsWindow &Open() {
        Start::ShowOptions();
        return *frmOptions;
    }

    void Apply(OptionsWindow &window) { QTest::mouseClick(&window.Command1[1], Qt::LeftButton); }

    QString Tip(QWidget &window, const char *control) {
        auto *widget = window.findChild<QWidget *>(control);
        return widget ? widget->toolTip() : QStringLiteral("<missing>");
    }

    bool realYears_ = false;
};

struct ApplyCase {
    const char *name;
    std::function<void(Options &, OptionsWindow &)> choose;
    std::vector<std::string> refreshed;
};

class ApplyRefreshes : public Options, public testing::WithParamInterface<ApplyCase> {};

// The monthly window and the Julian and Jewish year windows are shown.
TEST_P(ApplyRefreshes, OnlyTheWindowsTheChoicesChange) {
    frmMonthlyCal->Show();
    frmJulian->Show();
    frmJewish->Show();
    frmAbout->Show();
    OptionsWindow &window = Open();
    GetParam().choose(*this, window);
    Calls.clear();
    Apply(window);
    EXPECT_EQ(Calls, GetParam().refreshed);
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_FALSE(frmOptions.Exists());
    for (const char *key : {"Type", "FirstWeekDay", "Language", "Window", "ShowTips"})
        EXPECT_TRUE(StoreText().contains(key)) << key;
    for (int16_t cal = 1; cal <= 4; ++cal)
        EXPECT_EQ(Start::GridYearBounds[cal][1], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ApplyRefreshes,
    testing::Values(
        ApplyCase{"Nothing", [](Options &, OptionsWindow &) {}, {}},
        ApplyCase{"JewishFirstWeekDay",
                  [](Options &, OptionsWindow &w) { w.Combo1[3].SetListIndex(6); },
                  {"frmMonthlyCal.ReSetForm", "frmJewish.SetYearForm"}},
        ApplyCase{"MoslemVariant",
                  [](Options &, OptionsWindow &w) { w.Option2.SetValue(true); },
                  {"frmMonthlyCal.ReSetForm"}},
        // The language file vanishes before Apply: English stays, and the windows
        // still follow the new Moslem variant.
        ApplyCase{"MoslemVariantWithMissingLanguage",
                  [](Options &test, OptionsWindow &w) {
                      test.WriteLanguage("Gone", "[CALENDARS]\n1=x\n");
                      w.Combo3.AddItem("Gone");
                      w.Combo3.SetText("Gone");
                      test.RemoveLanguage("Gone");
                      w.Option2.SetValue(true);
                  },
                  {"frmMonthlyCal.ReSetForm", "frmJulian.SetYearForm", "frmJewish.SetYearForm"}},
        ApplyCase{"Language",
                  [](Options &test, OptionsWindow &w) {
                      test.WriteLanguage("German", German);
                      w.Combo3.AddItem("German");
                      w.Combo3.SetText("German");
                  },
                  {"frmMonthlyCal.ReSetForm", "frmJulian.SetYearForm", "frmJewish.SetYearForm"}}),
    [](const testing::TestParamInfo<ApplyCase> &info) { return info.param.name; });

TEST_F(Options, MoslemVariantReachesTheEngineWhateverTheLanguageDoes) {
    WriteLanguage("Gone", "[CALENDARS]\n1=x\n");
    OptionsWindow &window = Open();
    window.Combo3.AddItem("Gone");
    window.Combo3.SetText("Gone");
    RemoveLanguage("Gone");
    window.Option2.SetValue(true);
    const int32_t before = Calc::CalDates[Calc::Moslem][Calc::Day];
    Apply(window);
    EXPECT_EQ(Calc::MoslemType, 2);
    EXPECT_EQ(Start::LanguageName, Texts::EnglishDefault);
    EXPECT_EQ(Alerts.Messages.size(), 1u);
    EXPECT_NE(Calc::CalDates[Calc::Moslem][Calc::Day], before);
}

TEST_F(Options, AnotherLanguageRenamesTheWindows) {
    WriteLanguage("German", German);
    OptionsWindow &window = Open();
    window.Combo3.SetText("German");
    Apply(window);
    EXPECT_EQ(Start::LanguageName, "German");
    EXPECT_EQ(frmMonthlyCal->Caption(), "Monatskalender");
    EXPECT_EQ(frmJulian->Caption(), "Julianischer Kalender");
    EXPECT_EQ(frmMoslem->Caption(), "Islamischer Kalender");
}

TEST_F(Options, NoLanguageChosenKeepsTheWindowOpenAndWritesNothing) {
    Start::LanguageName = "Unlisted";
    OptionsWindow &window = Open();
    Apply(window);
    EXPECT_TRUE(frmOptions.Exists());
    EXPECT_EQ(Alerts.Messages.size(), 1u);
    EXPECT_FALSE(StoreText().contains("ShowTips"));
}

TEST_F(Options, RowsFollowTheColumnOrder) {
    for (int16_t pos = 1; pos <= 4; ++pos)
        Start::ColumnCals[pos] = static_cast<int16_t>(5 - pos);
    OptionsWindow &window = Open();
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(window.Label2[row].Caption().toStdString(), Texts::CalendarNames[5 - row]);
    window.Combo1[1].SetListIndex(4);
    Apply(window);
    EXPECT_EQ(Calc::FirstWeekDay[Calc::Moslem], 5);
    EXPECT_EQ(Calc::FirstWeekDay[Calc::Julian], 1);
}

TEST_F(Options, OpenedTwiceIsOneWindowAndClosingDiscardsTheChoices) {
    OptionsWindow &window = Open();
    window.Option2.SetValue(true);
    EXPECT_EQ(&Open(), &window);
    window.close();
    EXPECT_FALSE(frmOptions.Exists());
    EXPECT_EQ(Calc::MoslemType, 1);
    EXPECT_TRUE(StoreText().isEmpty());
}

TEST_F(Options, TipsOffAndOnAgain) {
    realYears_ = true;
    frmJulian->Show();
    frmMoslem->Show();
    Frame::SetToolTips();
    Frame::UpdateExitTips();
    OptionsWindow &off = Open();
    off.Check1.SetValue(0);
    Apply(off);
    for (const char *control : {"Command1_1", "Command1_6", "Command1_9", "Command2_0", "Combo1"})
        EXPECT_EQ(Tip(*frmMoslem, control), "") << control;
    OptionsWindow &on = Open();
    on.Check1.SetValue(1);
    Apply(on);
    EXPECT_EQ(Tip(*frmMoslem, "Command1_1"), "Previous year");
    EXPECT_EQ(Tip(*frmMoslem, "Combo1"), "Year");
    EXPECT_EQ(Tip(*frmJulian, "Command1_6").toStdString(),
              Texts::StringTexts[Texts::TipExitTwoButtons]);
    frmJulian->Hide();
    Frame::UpdateExitTips();
    EXPECT_EQ(Tip(*frmMoslem, "Command1_6"), "Exit");
}

// Hidden windows carry their tooltips too, and each year window's calendar buttons
// name the other three calendars.
TEST_F(Options, YearWindowsNameTheOtherCalendars) {
    realYears_ = true;
    Frame::SetToolTips();
    const char *const expected[5][3] = {
        {},
        {"Gregorian calendar", "Jewish calendar", "Moslem calendar"},
        {"Julian calendar", "Jewish calendar", "Moslem calendar"},
        {"Julian calendar", "Gregorian calendar", "Moslem calendar"},
        {"Julian calendar", "Gregorian calendar", "Jewish calendar"}};
    for (int16_t cal = 1; cal <= 4; ++cal) {
        EXPECT_FALSE(YearWindowOf(cal)->Visible());
        for (int button = 0; button < 3; ++button)
            EXPECT_EQ(Tip(*YearWindowOf(cal), button == 0   ? "Command1_7"
                                              : button == 1 ? "Command1_8"
                                                            : "Command1_9"),
                      expected[cal][button]);
    }
}

} // namespace
} // namespace FrameTesting
