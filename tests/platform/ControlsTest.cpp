// What the windows build on besides the grid: a refresh inside a handler, the
// hourglass, twips and packed colours.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Screen.h"
#include "platform/Units.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// Refresh runs inside event handlers: handling queued events there would run other
// handlers in the middle of this one.
TEST(Form, RefreshPaintsAndHandlesNoQueuedEvent) {
    platform::Form window("frmTest");
    platform::CommandButton button(&window, "cmdOK");
    int clicks = 0;
    QObject::connect(&button, &platform::CommandButton::Click, [&] { ++clicks; });
    window.Show();
    QCoreApplication::processEvents();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(&button,
                                    new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " "));
    window.Refresh();
    EXPECT_EQ(clicks, 0);
    QCoreApplication::removePostedEvents(&button);
}

TEST(Screen, HourglassIsOnePointerNotAStack) {
    // Set, set again, cleared once, cleared again, set, and a code of no pointer.
    const std::pair<int, int> steps[] = {{11, 11}, {11, 11}, {0, 0}, {0, 0}, {11, 11}, {99, 0}};
    for (const auto &[set, reads] : steps) {
        platform::SetMousePointer(set);
        EXPECT_EQ(platform::MousePointer(), reads) << set;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor && cursor->shape() == Qt::WaitCursor, reads == 11) << set;
    }
}

TEST(Units, TwipsRoundToTheNearestPixelAndColoursKeepRedInTheLowByte) {
    const std::pair<double, int> twips[] = {{7, 0},    {8, 1},     {22.5, 2},
                                            {37.5, 2}, {1440, 96}, {-22.5, -2}};
    for (const auto &[t, pixels] : twips)
        EXPECT_EQ(platform::TwipsToPixels(t), pixels) << t;
    EXPECT_EQ(platform::TwipsToPixels(platform::PixelsToTwips(-7)), -7);
    EXPECT_EQ(platform::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(platform::ToQColor(0xFFFFC0), QColor(0xC0, 0xFF, 0xFF));
}

} // namespace
