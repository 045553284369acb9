// The splash as a user sees it on a desktop: a virtual X server with a window manager,
// and the screen itself grabbed while start-up waits. Without Xvfb or openbox the test
// is skipped.
#include "FrameFixture.h"

#include "frame/Start.h"
#include "frame/about/AboutWindow.h"
#include "platform/core/Clock.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Xvfb and openbox for the length of the test program.
class Desktop {
  public:
    bool Start() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty()) return false;
        // Xvfb picks a free display and writes its number on the descriptor given.
        server_.start(xvfb,
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1024x768x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const QString display = QStringLiteral(":") + ReadLine(server_);
        if (display.size() < 2) return false;
        qputenv("DISPLAY", display.toLocal8Bit());
        manager_.start(openbox, {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                                 QStringLiteral("echo managing")});
        // openbox runs its startup command once it manages the screen; its own
        // messages come first on the same channel.
        for (QString line = ReadLine(manager_); !line.isNull(); line = ReadLine(manager_))
            if (line == QStringLiteral("managing")) return true;
        return false;
    }

    ~Desktop() {
        for (QProcess *process : {&manager_, &server_}) {
            process->terminate();
            if (!process->waitForFinished(3000)) process->kill();
            process->waitForFinished(3000);
        }
    }

  private:
    static QString ReadLine(QProcess &process) {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(10000)) return {};
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    QProcess server_;
    QProcess manager_;
};

bool desktopRunning = false;

// The share of pixels of the screen's grab that match the splash's own picture.
double ShareShownOnScreen(const QImage &own) {
    const QPoint origin = frmAbout->mapToGlobal(QPoint(0, 0));
    const QImage onScreen = QGuiApplication::primaryScreen()
                                ->grabWindow(0, origin.x(), origin.y(), own.width(), own.height())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    if (onScreen.size() != own.size()) return 0;
    qint64 same = 0;
    for (int y = 0; y < own.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(onScreen.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(own.constScanLine(y));
        for (int x = 0; x < own.width(); ++x)
            if (a[x] == b[x]) ++same;
    }
    return static_cast<double>(same) / (static_cast<qint64>(own.width()) * own.height());
}

class SplashOnDesktop : public FrameTesting::FrameTest {
  protected:
    void SetUp() override {
        if (!desktopRunning) GTEST_SKIP() << "needs Xvfb and openbox";
        FrameTest::SetUp();
        // The real clock and sleeps; each sleep, once done, looks at the screen.
        platform::SetSteadyClock({{}, [this](qint64 ms) {
                                      QThread::msleep(static_cast<unsigned long>(ms));
                                      Look();
                                  }});
    }
    void TearDown() override {
        platform::SetSteadyClock({});
        FrameTest::TearDown();
    }

    void Look() {
        if (!frmAbout.Exists()) return;
        if (!started_) started_.emplace(platform::SteadyMilliseconds());
        if (own_.isNull()) own_ = frmAbout->grab().toImage().convertToFormat(QImage::Format_RGB32);
        Looks.push_back({platform::SteadyMilliseconds() - *started_, ShareShownOnScreen(own_)});
    }

    struct Sample {
        qint64 Ms; // since the first look
        double Shown;
    };
    std::vector<Sample> Looks;

  private:
    std::optional<qint64> started_;
    QImage own_;
};

TEST_F(SplashOnDesktop, PictureNameAndVersionStayOnTheScreenForTheWholeWait) {
    Start::Main();

    // The window manager takes a moment to map the window, longer on a busy machine;
    // from then on to the end of the wait, the screen shows the splash as it paints
    // itself.
    const auto mapped = std::find_if(Looks.begin(), Looks.end(),
                                     [](const Sample &sample) { return sample.Shown >= 0.98; });
    ASSERT_NE(mapped, Looks.end()) << "never on the screen";
    EXPECT_LT(mapped->Ms, 700);
    for (auto sample = mapped; sample != Looks.end(); ++sample)
        EXPECT_GE(sample->Shown, 0.98) << "at " << sample->Ms << " ms";
    // A busy machine sleeps longer than asked, but not that much longer.
    EXPECT_GE(Looks.end() - mapped, 5);
}

} // namespace

int main(int argc, char **argv) {
    auto desktop = std::make_unique<Desktop>();
    desktopRunning = desktop->Start();
    qputenv("QT_QPA_PLATFORM", desktopRunning ? "xcb" : "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    desktop.reset();
    return result;
}
