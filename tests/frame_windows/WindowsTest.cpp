// The About window, and the window set through which the engine reaches the windows.
#include "FrameFixture.h"

#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QTest>

namespace FrameTesting {
namespace {

using Windows = FrameTest;

int AboutWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList all = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(
        all.begin(), all.end(), [](QWidget *w) { return w->objectName() == "frmAbout"; }));
}

TEST_F(Windows, AboutIsOneWindowCentredInTheUpperThirdThatItsButtonCloses) {
    // Within half a pixel: a window sits on whole pixels of 15 twips.
    EXPECT_NEAR(frmAbout->Left(), (platform::ScreenWidth() - frmAbout->Width()) / 2, 7);
    EXPECT_NEAR(frmAbout->Top(), (platform::ScreenHeight() - frmAbout->Height()) / 3, 7);
    for (const QWidget *control : frmAbout->findChildren<QWidget *>())
        EXPECT_TRUE(frmAbout->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
    frmAbout->Show();
    frmAbout->Show();
    EXPECT_EQ(AboutWindows(), 1);
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_EQ(AboutWindows(), 0);
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

// The Gregorian window made the change: it first, then only the shown windows.
TEST_F(Windows, RefreshReachesTheSourceAndTheShownWindows) {
    Show(frmMonthlyCal, frmJewish, frmMoon);
    ChangeCals::ChangeSource = 2;
    ChangeCals::RefreshWindows();
    EXPECT_EQ(Calls,
              (std::vector<std::string>{
                  "frmGregorian.SetYearForm", "frmMonthlyCal.SetCal 1", "frmMonthlyCal.SetGrid 1",
                  "frmMonthlyCal.SetCal 2", "frmMonthlyCal.SetGrid 2", "frmMonthlyCal.SetCal 3",
                  "frmMonthlyCal.SetGrid 3", "frmMonthlyCal.SetCal 4", "frmMonthlyCal.SetGrid 4",
                  "frmMonthlyCal.SetCommonInfo", "frmJewish.SetYearForm", "frmMoon.ReSetForm"}));
    Calls.clear();
    ChangeCals::ShowCalWindow(1);
    ChangeCals::ShowCalWindow(0);
    EXPECT_TRUE(frmJulian->Visible());
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
}

} // namespace
} // namespace FrameTesting
