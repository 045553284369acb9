// The program on a desktop of its own, as a user sees it: a virtual X server with a
// window manager (Xvfb and openbox, started here), the screen itself grabbed, and
// windows moved by the window manager (through xdotool), not by the program. Without
// these tools the tests are skipped.
#include "FrameFixture.h"

#include "app/ProgramWindows.h"
#include "frame/about/AboutWindow.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <functional>

namespace {

QString Tool(const char *name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString ReadLine(QProcess &process) {
    while (!process.canReadLine())
        if (!process.waitForReadyRead(10000)) return {};
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

// Xvfb and openbox for the length of the test program.
struct Desktop {
    QProcess server, manager;

    bool Start() {
        if (Tool("Xvfb").isEmpty() || Tool("openbox").isEmpty()) return false;
        // Xvfb picks a free display and writes its number on the descriptor given.
        server.start(Tool("Xvfb"),
                     {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        const QString display = ":" + ReadLine(server);
        if (display.size() < 2) return false;
        qputenv("DISPLAY", display.toLocal8Bit());
        // openbox runs its startup command once it manages the screen; its own
        // messages come first on the same channel.
        manager.start(Tool("openbox"), {"--sm-disable", "--startup", "echo managing"});
        for (QString line = ReadLine(manager); !line.isNull(); line = ReadLine(manager))
            if (line == "managing") return true;
        return false;
    }

    ~Desktop() {
        for (QProcess *process : {&manager, &server}) {
            process->terminate();
            if (!process->waitForFinished(3000)) process->kill();
            process->waitForFinished(3000);
        }
    }
};

bool desktopRunning = false;

// The share of the splash's own pixels that the screen shows where the splash is.
double ShareShownOnScreen(const QImage &own) {
    const QPoint origin = frmAbout->mapToGlobal(QPoint(0, 0));
    const QImage onScreen = QGuiApplication::primaryScreen()
                                ->grabWindow(0, origin.x(), origin.y(), own.width(), own.height())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    if (onScreen.size() != own.size()) return 0;
    qint64 same = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            if (onScreen.pixel(x, y) == own.pixel(x, y)) ++same;
    return static_cast<double>(same) / (static_cast<qint64>(own.width()) * own.height());
}

using OnDesktop = FrameTesting::FrameTest;

// The real clock and sleeps; after each sleep the test looks at the screen.
TEST_F(OnDesktop, SplashStaysOnTheScreenForTheWholeWait) {
    if (!desktopRunning) GTEST_SKIP() << "needs Xvfb and openbox";
    struct Look {
        qint64 ms;
        double shown;
    };
    std::vector<Look> looks;
    qint64 started = -1;
    QImage own;
    platform::SetSteadyClock(
        {{}, [&](qint64 ms) {
             QThread::msleep(static_cast<unsigned long>(ms));
             if (!frmAbout.Exists()) return;
             if (started < 0) started = platform::SteadyMilliseconds();
             if (own.isNull())
                 own = frmAbout->grab().toImage().convertToFormat(QImage::Format_RGB32);
             looks.push_back({platform::SteadyMilliseconds() - started, ShareShownOnScreen(own)});
         }});

    Start::Main();

    // The window manager takes a moment to map the window, longer on a busy machine;
    // from then on to the end of the wait, the screen shows the splash as it paints
    // itself.
    const auto mapped = std::find_if(looks.begin(), looks.end(),
                                     [](const Look &look) { return look.shown >= 0.98; });
    ASSERT_NE(mapped, looks.end()) << "never on the screen";
    EXPECT_LT(mapped->ms, 700);
    for (auto look = mapped; look != looks.end(); ++look)
        EXPECT_GE(look->shown, 0.98) << "at " << look->ms << " ms";
    // A busy machine sleeps longer than asked, but not that much longer.
    EXPECT_GE(looks.end() - mapped, 5);
}

// Has the window manager move the window, as a drag by its title bar ends up (Qt hears
// of it only afterwards), hides it, and shows it again with the monthly window's
// button: it comes back where it was moved.
void MoveHideAndShowAgain(platform::Form &window, QPoint by, const std::function<void()> &hide,
                          const QString &show) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint before = window.pos();
    const QPoint to = before + by;
    ASSERT_EQ(
        QProcess::execute(Tool("xdotool"), {"windowmove", QString::number(window.winId()),
                                            QString::number(to.x()), QString::number(to.y())}),
        0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.pos() != before; }));
    const QPoint moved = window.pos();
    hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Exposed(); }));
    QTest::mouseClick(frmMonthlyCal->findChild<QWidget *>(show), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.pos() == moved) << window.x() << ", " << window.y();
}

// A window manager places a window shown again as if it were new unless the window
// asks for its place.
TEST_F(OnDesktop, HiddenWindowsReopenWhereTheWindowManagerMovedThem) {
    if (!desktopRunning || Tool("xdotool").isEmpty()) GTEST_SKIP() << "needs a desktop, xdotool";
    App::RegisterProgramWindows();
    qint64 now = 0;
    platform::SetSteadyClock({[&now] { return now; }, [&now](qint64 ms) { now += ms; }});
    Start::Main();
    // The moon button on top is the one of today's phase; Esc hides the moon window.
    const QString moon = QString("Command2_%1").arg(ChangeCals::MoonPhase);
    QTest::mouseClick(frmMonthlyCal->findChild<QWidget *>(moon), Qt::LeftButton);
    MoveHideAndShowAgain(
        *frmMoon, {-150, -100},
        [] { QTest::keyClick(frmMoon->findChild<QWidget *>("Picture1"), Qt::Key_Escape); }, moon);
    // The year windows' button opens column 1's window on top; its exit button hides it.
    QTest::mouseClick(frmMonthlyCal->findChild<QWidget *>("Command1_1"), Qt::LeftButton);
    YearForm &year = *YearWindowOf(Start::ColumnCals[1]);
    MoveHideAndShowAgain(
        year, {120, 90}, [&year] { QTest::mouseClick(&year.ExitButton(), Qt::LeftButton); },
        "Command1_1");
}

} // namespace

int main(int argc, char **argv) {
    Desktop desktop;
    desktopRunning = desktop.Start();
    qputenv("QT_QPA_PLATFORM", desktopRunning ? "xcb" : "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
