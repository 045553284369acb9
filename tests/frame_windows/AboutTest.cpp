#include "FrameFixture.h"

#include "frame/AppState.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>

namespace FrameTesting {
namespace {

using About = FrameTest;

int OpenAboutWindows() {
    int count = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmAbout") ++count;
    return count;
}

TEST_F(About, ShowsNameVersionAndContactLines) {
    EXPECT_EQ(frmAbout->Caption(), "About Orvanta");
    EXPECT_EQ(frmAbout->Label1[1].Caption(), "Orvanta");
    EXPECT_EQ(frmAbout->Label1[2].Caption(), "Version 1.0.17");
    EXPECT_EQ(frmAbout->Label1[3].Caption(), "Calendar exercise\r\n\r\n\r\n"
                                             "One day in four calendars.\r\n\r\n"
                                             "E-mail: orvanta@example.org\r\n"
                                             "Web site: https://orvanta.example.org");
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
}

TEST_F(About, CloseButtonHasNoTipWhenTipsAreOff) {
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

TEST_F(About, SitsCentredAcrossAndInTheUpperThird) {
    const int width = frmAbout->Width();
    const int height = frmAbout->Height();
    // Within half a pixel: a window sits on whole pixels of 15 twips.
    EXPECT_LE(std::abs(frmAbout->Left() - (platform::ScreenWidth() - width) / 2), 7);
    EXPECT_LE(std::abs(frmAbout->Top() - (platform::ScreenHeight() - height) / 3), 7);
    // Every control lies inside the window.
    for (const QWidget *control : frmAbout->findChildren<QWidget *>())
        EXPECT_TRUE(frmAbout->rect().contains(control->geometry()))
            << control->objectName().toStdString();
}

TEST_F(About, OpenedTwiceIsOneWindow) {
    frmAbout->Show();
    frmAbout->Show();
    EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(About, CloseButtonDestroysTheWindow) {
    frmAbout->Show();
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenAboutWindows(), 0);
}

} // namespace
} // namespace FrameTesting
