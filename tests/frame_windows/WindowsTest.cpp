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
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
    frmAbout->Show();
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

// The engine reaches the windows through the window set.
TEST_F(Windows, ShowCalWindowShowsAYearWindowOrFocusesToday) {
    ChangeCals::ShowCalWindow(1);
    ChangeCals::ShowCalWindow(0);
    EXPECT_TRUE(frmJulian->Visible());
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
}

} // namespace
} // namespace FrameTesting
