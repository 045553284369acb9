#include "MoonFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <QApplication>
#include <QTest>

namespace MoonTest {
namespace {

constexpr int Minimised = 1;
const QString SeveralWindowsTip =
    QStringLiteral("Left$ mouse button — Close window. Right$ mouse button — Exit");

TEST_F(MoonWindowTest, OtherKeysLeaveItShown) {
    Moon().Show();
    QTest::keyClick(&Moon().Picture1, Qt::Key_Return);
    QTest::keyClick(&Moon().Picture1, Qt::Key_A);
    EXPECT_TRUE(Moon().Visible());
}

TEST_F(MoonWindowTest, EscStillReachesThePictureAfterARefresh) {
    Moon().Show();
    Moon().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Moon()));
    ShowAge(10.0f);
    ASSERT_EQ(QApplication::focusWidget(), &Moon().Picture1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Moon().Visible());
}

TEST_F(MoonWindowTest, TitleBarOnlyHidesIt) {
    Moon().Show();
    ShowAge(10.0f);
    Moon().close();
    EXPECT_FALSE(Moon().Visible());
    ASSERT_TRUE(frmMoon.Exists());
    EXPECT_EQ(Moon().Label1.Caption(), QStringLiteral("10.0")) << "the same window, not a new one";
}

// A day picked through the engine, then CurrentJD moved behind its back: only a
// conversion from the Jewish date brings it back.
void SelectDayThenStaleJD(int32_t jd) {
    Calc::CurrentJD = jd;
    ChangeCals::ChangeJD();
    Calc::CurrentJD = jd + 100;
    ChangeCals::ChangeSource = 3;
}

TEST_F(MoonWindowTest, DoubleClickBringsUpTheHiddenMonthlyWindowOnTheSameDay) {
    SelectDayThenStaleJD(2451545);
    Moon().Show();
    QTest::mouseDClick(&Moon().Picture1, Qt::LeftButton);

    EXPECT_EQ(Monthly().ReSetForms, 1);
    EXPECT_FALSE(Monthly().ShownAtReSetForm) << "brought up to date before it is shown";
    EXPECT_TRUE(Monthly().Visible());
    EXPECT_EQ(Calc::CurrentJD, 2451545);
    EXPECT_EQ(ChangeCals::ChangeSource, 0);
    EXPECT_EQ(Monthly().ExitButton().ToolTipText(), SeveralWindowsTip);
}

TEST_F(MoonWindowTest, DoubleClickRestoresTheMinimisedMonthlyWindow) {
    SelectDayThenStaleJD(2451545);
    Monthly().Show();
    Monthly().SetWindowState(Minimised);
    Moon().Show();
    QTest::mouseDClick(&Moon().Picture1, Qt::LeftButton);

    EXPECT_EQ(Monthly().WindowState(), 0);
    EXPECT_TRUE(Monthly().Visible());
    EXPECT_EQ(Monthly().ReSetForms, 0);
    EXPECT_EQ(Calc::CurrentJD, 2451545 + 100) << "no new date change";
    EXPECT_EQ(Monthly().ExitButton().ToolTipText(), SeveralWindowsTip);
}

} // namespace
} // namespace MoonTest
