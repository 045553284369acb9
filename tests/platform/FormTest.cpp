#include "platform/CommandButton.h"
#include "platform/FormRef.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <vector>

namespace {

using platform::Form;
using platform::FormRef;

std::vector<QString> journal;
int resizes = 0;

class TestWindow;
FormRef<TestWindow> frmTest;

class TestWindow : public Form {
  public:
    TestWindow() : Form("frmTest") {
        QObject::connect(&closeButton, &platform::CommandButton::Click, [] { frmTest.Destroy(); });
    }

    platform::CommandButton closeButton{this, "cmdOK"};

  protected:
    void Form_Load() override {
        // The window may use itself by name while it loads.
        journal.push_back("Load " + QString::number(frmTest->Visible()));
        SetCaption("Test");
    }
    void Form_Unload() override { journal.push_back("Unload " + frmTest->Caption()); }
    void Form_Resize() override { ++resizes; }
};

class FormTest : public testing::Test {
  protected:
    void SetUp() override {
        journal.clear();
        resizes = 0;
    }
    void TearDown() override { platform::DestroyAllForms(); }
};

TEST_F(FormTest, FirstUseCreatesTheWindowHiddenAndLoadsIt) {
    EXPECT_FALSE(frmTest.Exists());
    EXPECT_FALSE(frmTest->Visible()) << "reading the visibility creates the window";
    EXPECT_TRUE(frmTest.Exists());
    EXPECT_EQ(frmTest->Caption(), "Test");
    EXPECT_EQ(journal, (std::vector<QString>{"Load 0"}));
}

TEST_F(FormTest, DestroyUnloadsAndTheNextUseCreatesANewWindow) {
    QPointer<Form> first = &*frmTest;
    frmTest->Show();
    frmTest.Destroy();
    EXPECT_FALSE(frmTest.Exists());
    EXPECT_FALSE(first->isVisible());
    frmTest.Destroy();
    EXPECT_EQ(journal, (std::vector<QString>{"Load 0", "Unload Test"}));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(frmTest->Visible());
    EXPECT_EQ(journal.back(), "Load 0");
}

TEST_F(FormTest, AWindowMayDestroyItselfFromItsOwnButton) {
    frmTest->Show();
    QTest::mouseClick(&frmTest->closeButton, Qt::LeftButton);
    EXPECT_FALSE(frmTest.Exists());
    EXPECT_EQ(journal.back(), "Unload Test");
}

TEST_F(FormTest, TheTitleBarCloseButtonDestroysTheWindowByDefault) {
    frmTest->Show();
    frmTest->close();
    EXPECT_FALSE(frmTest.Exists());
    EXPECT_EQ(journal.back(), "Unload Test");
}

TEST_F(FormTest, DestroyAllFormsDeletesWithoutUnloading) {
    QPointer<Form> window = &*frmTest;
    platform::DestroyAllForms();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(frmTest.Exists());
    EXPECT_EQ(journal, (std::vector<QString>{"Load 0"}));
}

TEST_F(FormTest, MinimisedWindowsStayVisible) {
    struct Case {
        const char *name;
        bool shown;
    };
    for (const Case &c : {Case{"shown", true}, Case{"hidden", false}}) {
        if (c.shown) frmTest->Show();
        frmTest->SetWindowState(1);
        EXPECT_EQ(frmTest->WindowState(), 1) << c.name;
        EXPECT_EQ(frmTest->Visible(), c.shown) << c.name;
        frmTest->SetWindowState(0);
        EXPECT_EQ(frmTest->WindowState(), 0) << c.name;
        frmTest.Destroy();
    }
}

// Refresh runs inside event handlers: handling queued events there would run other
// handlers in the middle of this one.
TEST_F(FormTest, RefreshPaintsAndHandlesNoQueuedEvent) {
    frmTest->Show();
    QCoreApplication::processEvents();
    QCoreApplication::postEvent(
        &frmTest->closeButton, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    QCoreApplication::postEvent(
        &frmTest->closeButton,
        new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));

    frmTest->Refresh();

    EXPECT_EQ(journal.size(), 1u) << "unloaded from inside Refresh";
    QCoreApplication::removePostedEvents(&frmTest->closeButton);
}

TEST_F(FormTest, OuterSizeMinusInnerSizeSizesTheInnerArea) {
    Form &w = *frmTest;
    w.SetWidth(w.Width() - w.ScaleWidth() + 3000);
    w.SetHeight(w.Height() - w.ScaleHeight() + 1500);
    w.Show();
    EXPECT_EQ(w.ScaleWidth(), 3000);
    EXPECT_EQ(w.ScaleHeight(), 1500);
    EXPECT_EQ(w.Width() - w.ScaleWidth(), w.frameGeometry().width() * 15 - 3000);
    w.SetLeft(1500);
    w.SetTop(-300);
    EXPECT_EQ(w.Left(), 1500);
    EXPECT_EQ(w.Top(), -300);
    EXPECT_GT(resizes, 0);
}

} // namespace
