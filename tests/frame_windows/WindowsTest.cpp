// The About window, and the window set through which the engine reaches the windows.
#include "FrameFixture.h"

#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"

#include <QTest>

namespace FrameTesting {
namespace {

using Windows = FrameTest;

TEST_F(Windows, AboutIsCentredInTheUpperThirdAndItsButtonClosesIt) {
    // Within half a pixel: a window sits on whole pixels of 15 twips.
    EXPECT_NEAR(frmAbout->Left(), (platform::ScreenWidth() - frmAbout->Width()) / 2, 7);
    EXPECT_NEAR(frmAbout->Top(), (platform::ScreenHeight() - frmAbout->Height()) / 3, 7);
    for (const QWidget *control : frmAbout->findChildren<QWidget *>())
        EXPECT_TRUE(frmAbout->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
    frmAbout->Show();
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

// The Gregorian window made the change: it first, then only the shown windows. The
// monthly window's part: the monthly window's own tests.
TEST_F(Windows, RefreshReachesTheSourceAndTheShownWindows) {
    Show(frmJewish, frmMoon);
    ChangeCals::ChangeSource = 2;
    ChangeCals::RefreshWindows();
    EXPECT_EQ(Calls, (std::vector<std::string>{"frmGregorian.SetYearForm", "frmJewish.SetYearForm",
                                               "frmMoon.ReSetForm"}));
    Calls.clear();
    ChangeCals::ShowCalWindow(1);
    ChangeCals::ShowCalWindow(0);
    EXPECT_TRUE(frmJulian->Visible());
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
}

} // namespace
} // namespace FrameTesting
