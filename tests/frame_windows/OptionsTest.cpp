// The options window: what Apply writes and which windows it brings up to date, and
// the tooltips it puts on or takes off.
#include "FrameFixture.h"

#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/Tooltips.h"
#include "frame/about/AboutWindow.h"
#include "frame/options/OptionsWindow.h"
#include "yearwindows/YearWindow.h"

#include <QDir>
#include <QTest>

namespace {

using namespace FrameTesting;

// Offers a language: its name chosen in the list, and its file beside the program
// unless the text is empty.
void Offer(OptionsWindow &window, const QString &name, const QByteArray &text) {
    window.Combo3.AddItem(name);
    window.Combo3.SetText(name);
    if (text.isEmpty()) return;
    QFile file(QDir(platform::ProgramFolder()).filePath(name + ".lng"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

OptionsWindow &Open() {
    Start::ShowOptions();
    return *frmOptions;
}

// Weeks start on Monday in every calendar; the day is 6 December 2026.
class Options : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Calc::StartEngine({1, {1, 1, 1, 1}});
        GoTo(QDate(2026, 12, 6));
    }
};

struct ApplyCase {
    const char *name;
    void (*choose)(OptionsWindow &);
    std::vector<std::string> refreshed;
    QString captions; // of the monthly and the Moslem window
};

class ApplyRefreshes : public Options, public testing::WithParamInterface<ApplyCase> {};

// The monthly window and the Julian and Jewish year windows are shown.
TEST_P(ApplyRefreshes, OnlyTheWindowsTheChoicesChange) {
    Show(frmMonthlyCal, frmJulian, frmJewish, frmAbout);
    OptionsWindow &window = Open();
    GetParam().choose(window);
    const bool secondVariant = window.Option2.Value();
    const QString language = window.Combo3.Text();
    Calls.clear();
    QTest::mouseClick(&window.Command1[1], Qt::LeftButton);
    EXPECT_EQ(Calls, GetParam().refreshed);
    EXPECT_EQ(frmMonthlyCal->Caption() + "|" + frmMoslem->Caption(), GetParam().captions);
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_FALSE(frmOptions.Exists());
    for (const char *key : {"Type", "FirstWeekDay", "Language", "Window", "ShowTips"})
        EXPECT_TRUE(StoreText().contains(key)) << key;
    for (int16_t cal = 1; cal <= 4; ++cal)
        EXPECT_EQ(Start::GridYearBounds[cal][1], 0);
    // The engine holds the day in the variant chosen, and the language unless it failed.
    EXPECT_EQ(Calc::MoslemType, secondVariant ? 2 : 1);
    EXPECT_EQ(Start::LanguageName, alerts->Messages.empty() ? language : Texts::EnglishDefault);
    const int32_t *moslem = &Calc::CalDates[Calc::Moslem][Calc::Day];
    const std::vector<int32_t> held(moslem, moslem + 3);
    Calc::ToMoslem();
    EXPECT_EQ(std::vector<int32_t>(moslem, moslem + 3), held);
}

const std::vector<std::string> AllShown = {"frmMonthlyCal.ReSetForm", "frmJulian.SetYearForm",
                                           "frmJewish.SetYearForm"};

// clang-format off
const ApplyCase ApplyCases[] = {
    {"Nothing", [](OptionsWindow &) {}, {}, "|"},
    {"JewishFirstWeekDay", [](OptionsWindow &w) { w.Combo1[3].SetListIndex(6); },
     {"frmMonthlyCal.ReSetForm", "frmJewish.SetYearForm"}, "|"},
    {"MoslemVariant", [](OptionsWindow &w) { w.Option2.SetValue(true); }, {"frmMonthlyCal.ReSetForm"}, "|"},
    // The language file is gone at Apply: English stays, and the windows still follow
    // the new Moslem variant.
    {"MoslemVariantWithMissingLanguage", [](OptionsWindow &w) {
         Offer(w, "Gone", {});
         w.Option2.SetValue(true);
     }, AllShown, "|"},
    {"Language", [](OptionsWindow &w) {
         Offer(w, "German", "[CALENDARS]\n4=Islamischer Kalender\n5=Monatskalender\n");
     }, AllShown, "Monatskalender|Islamischer Kalender"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Choices, ApplyRefreshes, testing::ValuesIn(ApplyCases), CaseName);

TEST_F(Options, NoLanguageChosenKeepsTheWindowOpenAndWritesNothing) {
    Start::LanguageName = "Unlisted";
    QTest::mouseClick(&Open().Command1[1], Qt::LeftButton);
    EXPECT_TRUE(frmOptions.Exists());
    EXPECT_EQ(alerts->Messages.size(), 1u);
    EXPECT_FALSE(StoreText().contains("ShowTips"));
}

// The Moslem calendar's row first, with its own first week day.
TEST_F(Options, RowsFollowTheColumnOrder) {
    for (int16_t pos = 1; pos <= 4; ++pos) {
        Start::ColumnCals[pos] = static_cast<int16_t>(5 - pos);
        Calc::FirstWeekDay[pos] = pos;
    }
    OptionsWindow &window = Open();
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(window.Label2[row].Caption().toStdString(), Texts::CalendarNames[5 - row]);
        EXPECT_EQ(window.Combo1[row].ListIndex(), 4 - row);
    }
    window.Combo1[1].SetListIndex(6);
    QTest::mouseClick(&window.Command1[1], Qt::LeftButton);
    EXPECT_EQ(Calc::FirstWeekDay[Calc::Moslem], 7);
    EXPECT_EQ(Calc::FirstWeekDay[Calc::Julian], 1);
}

class OptionsOfRealYearWindows : public Options {
    YearForm *MakeYearWindow(int16_t cal) override { return new YearWindow(cal); }
};

QString Tip(QWidget &window, const char *control) {
    return window.findChild<QWidget *>(control)->toolTip();
}

// Hidden windows carry their tooltips too; the exit buttons' follow the count.
TEST_F(OptionsOfRealYearWindows, TipsOffAndOnAgain) {
    Show(frmJulian, frmMoslem);
    Frame::SetToolTips();
    Frame::UpdateExitTips();
    for (const int16_t show : {0, 1}) {
        OptionsWindow &window = Open();
        window.Check1.SetValue(show);
        QTest::mouseClick(&window.Command1[1], Qt::LeftButton);
    }
    EXPECT_EQ(Tip(*frmMoslem, "Command1_1"), "Previous year");
    EXPECT_EQ(Tip(*frmMoslem, "Combo1"), "Year");
    EXPECT_EQ(Tip(*frmJulian, "Command1_6").toStdString(),
              Texts::StringTexts[Texts::TipExitTwoButtons]);
    // Each year window's calendar buttons name the other three calendars.
    EXPECT_EQ(Tip(*frmGregorian, "Command1_8"), "Jewish calendar");
    frmJulian->Hide();
    Frame::UpdateExitTips();
    EXPECT_EQ(Tip(*frmMoslem, "Command1_6"), "Exit");
    OptionsWindow &off = Open();
    off.Check1.SetValue(0);
    QTest::mouseClick(&off.Command1[1], Qt::LeftButton);
    // With the tips off, the exit tips stay off whatever the count.
    frmJulian->Show();
    Frame::SetExitTips();
    frmJulian->Hide();
    Frame::UpdateExitTips();
    for (const char *control : {"Command1_1", "Command1_6", "Command1_9", "Command2_0", "Combo1"})
        EXPECT_EQ(Tip(*frmMoslem, control), "") << control;
}

} // namespace
