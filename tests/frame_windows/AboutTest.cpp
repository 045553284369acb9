#include "FrameFixture.h"

#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>

namespace FrameTesting {
namespace {

using About = FrameTest;

TEST_F(About, ShowsNameAndVersionCentredInTheUpperThird) {
    EXPECT_EQ(frmAbout->Caption(), "About Orvanta");
    EXPECT_EQ(frmAbout->Label1[1].Caption(), "Orvanta");
    EXPECT_EQ(frmAbout->Label1[2].Caption(), "Version 1.0.17");
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
    // Within half a pixel: a window sits on whole pixels of 15 twips.
    EXPECT_LE(std::abs(frmAbout->Left() - (platform::ScreenWidth() - frmAbout->Width()) / 2), 7);
    EXPECT_LE(std::abs(frmAbout->Top() - (platform::ScreenHeight() - frmAbout->Height()) / 3), 7);
    for (const QWidget *control : frmAbout->findChildren<QWidget *>())
        EXPECT_TRUE(frmAbout->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    frmAbout.Destroy();
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

TEST_F(About, OpenedTwiceIsOneWindowThatItsButtonCloses) {
    frmAbout->Show();
    frmAbout->Show();
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), "frmAbout");
}

} // namespace
} // namespace FrameTesting
