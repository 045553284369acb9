#include "FrameFixture.h"

#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/WindowManagement.h"
#include "frame/about/AboutWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace FrameTesting {
namespace {

const QString ExitTip = QStringLiteral("Exit");
const QString SeveralTip =
    QStringLiteral("Left$ mouse button \u2014 Close window. Right$ mouse button \u2014 Exit");

std::vector<QString> ExitTips() {
    std::vector<QString> tips{frmMonthlyCal->ExitButton().ToolTipText()};
    for (int16_t cal = 1; cal <= 4; ++cal)
        tips.push_back(YearWindowOf(cal)->ExitButton().ToolTipText());
    return tips;
}

std::vector<QString> AllFive(const QString &tip) {
    return std::vector<QString>(5, tip);
}

class WindowManagement : public FrameTest {
  protected:
    // Puts every window at a position of its own, in whole pixels: Julian at
    // (150, 300), Gregorian at (300, 600) ... the moon window at (900, 1800).
    static void PlaceAll() {
        for (int16_t cal = 1; cal <= 4; ++cal)
            Put(*YearWindowOf(cal), cal);
        Put(*frmMonthlyCal, 5);
        Put(*frmMoon, 6);
    }
    static void Put(platform::Form &window, int index) {
        window.SetTop(150 * index);
        window.SetLeft(300 * index);
    }
};

TEST_F(WindowManagement, MoonWindowIsNeverCounted) {
    frmMoon->Show();
    EXPECT_EQ(Frame::CountVisibleWindows(), 0);
    frmMonthlyCal->Show();
    frmJewish->Show();
    frmJewish->SetWindowState(1);
    EXPECT_EQ(Frame::CountVisibleWindows(), 2);
}

TEST_F(WindowManagement, ExitSavesEveryPositionThenEnds) {
    PlaceAll();
    frmMonthlyCal->Show();
    frmJulian->Show();
    frmGregorian->Show();
    frmJewish->Show();
    frmMoon->Show();
    // Minimised: keeps what memory holds.
    Start::WinTop[4] = 1234;
    Start::WinLeft[4] = -99;
    frmMoslem->SetWindowState(1);
    // Beyond the 16-bit range: the nearest value that fits.
    frmMoon->SetTop(-40005);
    frmMoon->SetLeft(40005);

    int16_t window = 2;
    Frame::ExitProgram(window);

    EXPECT_EQ(Ends, 1);
    const StoredPositions expected{{"Julian", {"150", "300"}},   {"Gregorian", {"300", "600"}},
                                   {"Jewish", {"450", "900"}},   {"Moslem", {"1234", "-99"}},
                                   {"Monthly", {"750", "1500"}}, {"Moon", {"-32768", "32767"}}};
    EXPECT_EQ(PositionsAtEnd, expected);
    EXPECT_EQ(Start::WinTop[6], -32768);
    EXPECT_EQ(Start::WinLeft[6], 32767);
}

TEST_F(WindowManagement, WindowsNeverShownAreSavedAsTheyWereRead) {
    Start::WinTop[1] = 600;
    Start::WinLeft[1] = 900;
    frmMonthlyCal->Show();
    frmMonthlyCal->SetTop(750);
    frmMonthlyCal->SetLeft(1500);

    int16_t window = 0;
    Frame::ExitProgram(window);

    const std::pair<QString, QString> none{"32737", "32737"};
    const StoredPositions expected{
        {"Julian", {"600", "900"}}, {"Gregorian", none},          {"Jewish", none},
        {"Moslem", none},           {"Monthly", {"750", "1500"}}, {"Moon", none}};
    EXPECT_EQ(PositionsAtEnd, expected);
}

TEST_F(WindowManagement, ExitClosesEveryWindowButTheMinimised) {
    frmMonthlyCal->Show();
    frmJewish->SetWindowState(1);
    frmAbout->Show();

    int16_t window = 0;
    Frame::ExitProgram(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(Ends, 1);
    EXPECT_FALSE(frmMonthlyCal.Exists());
    EXPECT_FALSE(frmJulian.Exists());
    EXPECT_FALSE(frmGregorian.Exists());
    EXPECT_TRUE(frmJewish.Exists());
    EXPECT_FALSE(frmMoslem.Exists());
    EXPECT_FALSE(frmMoon.Exists());
    EXPECT_FALSE(frmAbout.Exists());
}

TEST_F(WindowManagement, NothingIsWrittenAfterTheEnd) {
    frmMonthlyCal->Show();
    frmJulian->Show();
    int16_t window = 1;
    Frame::ExitProgram(window);
    const QString storeAtEnd = StoreAtEnd;

    // Whatever the windows still do once the program has ended changes nothing.
    frmMonthlyCal->Show();
    frmMonthlyCal->SetTop(3000);
    Frame::ExitProgram(window);
    Frame::CloseWindow(*frmMonthlyCal, 0);
    Frame::UpdateExitTips();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(Ends, 1);
    EXPECT_EQ(StoreText(), storeAtEnd);
    EXPECT_TRUE(frmMonthlyCal->Visible());
}

TEST_F(WindowManagement, LeftClickOnTheLastVisibleWindowSavesAndEnds) {
    PlaceAll();
    frmMonthlyCal->Show();
    frmMoon->Show();

    QTest::mouseClick(&frmMonthlyCal->ExitButton(), Qt::LeftButton);

    EXPECT_EQ(Ends, 1);
    EXPECT_EQ(PositionsAtEnd.at("Monthly"), std::make_pair(QString("750"), QString("1500")));
    EXPECT_EQ(PositionsAtEnd.at("Moon"), std::make_pair(QString("900"), QString("1800")));
}

// The windows refuse the close that QCoreApplication::quit offers them first, so a
// program ended by quit() ran on.
TEST_F(WindowManagement, EndStopsTheEventLoopThoughWindowsRefuseToClose) {
    Frame::SetEndHandler({});
    frmMonthlyCal->Show();
    QEventLoop loop;
    QTimer::singleShot(0, [] { QTest::mouseClick(&frmMonthlyCal->ExitButton(), Qt::LeftButton); });
    // Only reached when the end fails to stop the loop.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });

    EXPECT_EQ(loop.exec(), 0);
    EXPECT_TRUE(Frame::ProgramEnded());
}

TEST_F(WindowManagement, CloseWindowHidesOneOfTwoAndTheTipsFollow) {
    frmMonthlyCal->Show();
    frmGregorian->Show();
    Frame::SetExitTips();
    EXPECT_EQ(ExitTips(), AllFive(SeveralTip));

    Frame::CloseWindow(*frmGregorian, 2);
    Frame::UpdateExitTips();

    EXPECT_EQ(Ends, 0);
    EXPECT_TRUE(frmGregorian.Exists());
    EXPECT_FALSE(frmGregorian->Visible());
    EXPECT_TRUE(frmMonthlyCal->Visible());
    EXPECT_EQ(ExitTips(), AllFive(ExitTip));
    EXPECT_EQ(PositionsAtEnd, StoredPositions{});
}

TEST_F(WindowManagement, TipsOffLeavesEveryExitTipAlone) {
    Start::ShowTips = 0;
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal)->ExitButton().SetToolTipText("mine");
    frmMonthlyCal->ExitButton().SetToolTipText("mine");
    frmMonthlyCal->Show();
    frmJulian->Show();
    frmJewish->Show();

    Frame::SetExitTips();
    Frame::CloseWindow(*frmJulian, 1);
    Frame::UpdateExitTips();
    Frame::CloseWindow(*frmJewish, 3);
    Frame::UpdateExitTips();

    EXPECT_EQ(ExitTips(), AllFive("mine"));
    EXPECT_EQ(Ends, 0);
}

TEST_F(WindowManagement, LastWindowClosedFromItsTitleBarEndsWithoutSaving) {
    frmMonthlyCal->Show();
    frmJulian->Show();

    frmJulian->close();
    EXPECT_FALSE(frmJulian.Exists());
    EXPECT_EQ(Ends, 0);
    EXPECT_EQ(frmMonthlyCal->ExitButton().ToolTipText(), ExitTip);

    frmMonthlyCal->close();
    EXPECT_EQ(Ends, 1);
    for (const auto &[section, position] : PositionsAtEnd)
        EXPECT_EQ(position, std::make_pair(QString("absent"), QString("absent")))
            << section.toStdString();
}

TEST_F(WindowManagement, WindowClosedFromItsTitleBarIsSavedWhereItWouldReopen) {
    Start::WinTop[1] = 600;
    Start::WinLeft[1] = 900;
    frmMonthlyCal->Show();
    frmJulian->Show();
    frmJulian->SetTop(3000);
    frmJulian->SetLeft(4500);
    frmJulian->close();

    int16_t window = 0;
    Frame::ExitProgram(window);

    EXPECT_EQ(PositionsAtEnd.at("Julian"), std::make_pair(QString("600"), QString("900")));
}

} // namespace
} // namespace FrameTesting
