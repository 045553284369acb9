#include "platform/App.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QScreen>
#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace {

TEST(Screen, SizeInTwips) {
    const QSize pixels = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(platform::ScreenWidth(), pixels.width() * 15);
    EXPECT_EQ(platform::ScreenHeight(), pixels.height() * 15);
}

TEST(Screen, HourglassIsOnePointerNotAStack) {
    struct Step {
        int set;
        int reads;
        bool waiting;
    };
    const Step steps[] = {{11, 11, true}, {11, 11, true}, {0, 0, false},
                          {0, 0, false},  {11, 11, true}, {99, 0, false}};
    for (const Step &s : steps) {
        platform::SetMousePointer(s.set);
        EXPECT_EQ(platform::MousePointer(), s.reads) << s.set;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor && cursor->shape() == Qt::WaitCursor, s.waiting) << s.set;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no pointer left behind";
}

TEST(App, NamesTheProgramAndItsVersion) {
    platform::InitApplication();
    EXPECT_EQ(QApplication::applicationName(), "Orvanta");
    EXPECT_EQ(QApplication::applicationVersion(), "1.0.17");
    EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), 8.25);
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

} // namespace
