// The moon window under test, beside the stand-ins for the others, and a program
// folder that holds a plain white test moon on the real moon's sky colour.
#include "moon/MoonWindow.h"
#include "FrameFixture.h"
#include "artwork/Artwork.h"
#include "platform/ShapeStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QTest>
#include <cmath>

namespace {

class MoonWindowTest : public FrameTesting::FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        const int side = Artwork::MoonBitmapSide;
        QImage moon(side, side, QImage::Format_RGB32);
        moon.fill(Artwork::MoonBackground);
        QPainter painter(&moon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(1, 1, side - 2, side - 2));
        painter.end();
        ASSERT_TRUE(moon.save(BitmapFile(), "BMP"));
    }
    MoonForm *MakeMoonWindow() override { return new MoonWindow(); }
    // The moon window reads it when it is first made.
    QString BitmapFile() const { return QDir(folder.path()).filePath("Moon.bmp"); }

    static MoonWindow &Moon() { return static_cast<MoonWindow &>(*frmMoon); }
    static void ShowAge(float age) {
        ChangeCals::MoonAge = age;
        Moon().ReSetForm();
    }
    // Picture1 as drawn, read at a point given as fractions of its size.
    static QRgb DrawnAt(QPointF p) {
        const QImage drawn = Moon().Picture1.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return drawn.pixel(static_cast<int>(p.x() * drawn.width()),
                           static_cast<int>(p.y() * drawn.height()));
    }
};

constexpr float S = 29.530588f;
constexpr int Rectangle = platform::ShapeRectangle, Circle = platform::ShapeCircle;
constexpr int Solid = platform::FillSolid, Clear = platform::FillTransparent;

float Above(float age) {
    return std::nextafter(age, 100.0f);
}

// Each phase: its range, half a day either side of the quarters, with the shadow's
// shape and fill at its first and last age (no fill: the full moon keeps the fill it
// finds); and at an age inside it, the age as shown and what the user sees on the
// white test moon: points given as fractions of the picture, lit ones bright, dark
// ones exactly the sky colour.
struct Phase {
    const char *Name;
    float First, Last;
    int Kind;
    std::optional<int> Fill;
    float Age;
    const char *Shown;
    std::vector<QPointF> Lit, Dark;
};

// clang-format off
const Phase Phases[] = {
    {"NewMoon", 0.0f, 0.5f, Rectangle, Solid,
     0.04f, "0.0", {}, {{0.5, 0.5}, {0.25, 0.5}, {0.75, 0.5}, {0.5, 0.2}}},
    {"WaxingCrescent", Above(0.5f), S / 4 - 0.5f, Circle, Solid,
     3.0f, "3.0", {{0.9, 0.5}}, {{0.5, 0.5}, {0.25, 0.5}}},
    {"FirstQuarter", Above(S / 4 - 0.5f), S / 4 + 0.5f, Rectangle, Solid,
     7.4f, "7.4", {{0.75, 0.5}, {0.6, 0.2}}, {{0.25, 0.5}, {0.4, 0.2}}},
    {"WaxingGibbous", Above(S / 4 + 0.5f), S / 2 - 0.5f, Circle, Clear,
     10.0f, "10.0", {{0.5, 0.5}, {0.75, 0.5}, {0.5, 0.15}}, {{0.1, 0.5}}},
    {"FullMoon", Above(S / 2 - 0.5f), S / 2 + 0.5f, Rectangle, std::nullopt,
     14.96f, "15.0", {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}, {0.5, 0.1}}, {}},
    {"WaningGibbous", Above(S / 2 + 0.5f), 0.75f * S - 0.5f, Circle, Clear,
     20.0f, "20.0", {{0.5, 0.5}, {0.25, 0.5}, {0.5, 0.15}}, {{0.9, 0.5}}},
    {"LastQuarter", Above(0.75f * S - 0.5f), 0.75f * S + 0.5f, Rectangle, Solid,
     22.2f, "22.2", {{0.25, 0.5}, {0.4, 0.2}}, {{0.75, 0.5}, {0.6, 0.2}}},
    {"WaningCrescent", Above(0.75f * S + 0.5f), S - 0.5f, Circle, Solid,
     26.0f, "26.0", {{0.12, 0.5}}, {{0.5, 0.5}, {0.75, 0.5}}},
    {"NewMoonAgain", Above(S - 0.5f), std::nextafter(S, 0.0f), Rectangle, Solid,
     std::nextafter(S, 0.0f), "29.5", {}, {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}}},
};
// clang-format on

TEST_F(MoonWindowTest, EachPhaseEndsAtItsBoundariesAndShowsWhatIsLitAndTheAge) {
    EXPECT_TRUE(alerts->Messages.empty());
    EXPECT_FALSE(Moon().Shape2.Visible());
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const Phase &phase : Phases) {
        SCOPED_TRACE(phase.Name);
        // A rectangle stands still through its phase: at either end where it is inside.
        std::vector<QRect> ends;
        for (const float age : {phase.First, phase.Last}) {
            ShowAge(age);
            EXPECT_EQ(Moon().Shape1.ShapeKind(), phase.Kind) << age;
            EXPECT_EQ(Moon().Shape1.FillStyle(), phase.Fill.value_or(Moon().Shape1.FillStyle()))
                << age;
            ends.push_back(Moon().Shape1.geometry());
        }
        ShowAge(phase.Age);
        if (phase.Kind == Rectangle) {
            EXPECT_EQ(ends, std::vector<QRect>(2, Moon().Shape1.geometry()));
        }
        EXPECT_EQ(Moon().Label1.Caption(), phase.Shown);
        for (QPointF p : phase.Lit)
            EXPECT_GT(qGray(DrawnAt(p)), 200) << "lit at " << p.x() << ", " << p.y();
        for (QPointF p : phase.Dark)
            EXPECT_EQ(DrawnAt(p), Artwork::MoonBackground) << "dark at " << p.x() << ", " << p.y();
        for (QPointF sky : {QPointF(0.03, 0.03), QPointF(0.97, 0.03)})
            EXPECT_EQ(DrawnAt(sky), Artwork::MoonBackground) << "the sky stays one colour";
    }
    QLocale::setDefault(before);
}

TEST_F(MoonWindowTest, EscHidesItEvenAfterARefreshOtherKeysAndTheTitleBarLeaveTheSameWindow) {
    Moon().Show();
    Moon().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Moon()));
    QTest::keyClicks(&Moon().Picture1, "\ra");
    EXPECT_TRUE(Moon().Visible());
    ShowAge(10.0f);
    ASSERT_EQ(QApplication::focusWidget(), &Moon().Picture1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Moon().Visible());
    Moon().Show();
    Moon().close();
    EXPECT_FALSE(Moon().Visible());
    ASSERT_TRUE(frmMoon.Exists());
    EXPECT_EQ(Moon().Label1.Caption(), "10.0") << "the same window, not a new one";
}

// A day picked through the engine, then CurrentJD moved behind its back: only a
// conversion from the Jewish date brings it back.
void SelectDayThenStaleJD(int32_t jd) {
    Calc::CurrentJD = jd;
    ChangeCals::ChangeJD();
    Calc::CurrentJD = jd + 100;
    ChangeCals::ChangeSource = 3;
}

// A hidden monthly window is brought up to date on the day and shown; a minimised one
// is restored as it is.
TEST_F(MoonWindowTest, DoubleClickBringsUpTheMonthlyWindow) {
    SelectDayThenStaleJD(2451545);
    Moon().Show();
    // On the clear pane over the picture: the click passes through to it.
    QTest::mouseDClick(&Moon().Label2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(frmMonthlyCal->Visible());
    EXPECT_EQ(Calc::CurrentJD, 2451545);
    EXPECT_EQ(FrameTesting::Calls, std::vector<std::string>{"frmMonthlyCal.ReSetForm"})
        << "brought up to date";
    EXPECT_EQ(ChangeCals::ChangeSource, 0);
    EXPECT_EQ(frmMonthlyCal->ExitButton().ToolTipText(),
              "Left$ mouse button — Close window. Right$ mouse button — Exit");

    frmMonthlyCal->SetWindowState(1);
    SelectDayThenStaleJD(2451545);
    QTest::mouseDClick(&Moon().Picture1, Qt::LeftButton);
    EXPECT_EQ(frmMonthlyCal->WindowState(), 0);
    EXPECT_EQ(Calc::CurrentJD, 2451545 + 100) << "no new date change";
}

TEST_F(MoonWindowTest, WithoutTheBitmapItSaysWhichFileIsMissingAndShowsALightYellowDisc) {
    ASSERT_TRUE(QFile::remove(BitmapFile()));
    EXPECT_TRUE(Moon().Shape2.Visible());
    ASSERT_EQ(alerts->Messages.size(), 1u);
    EXPECT_EQ(alerts->Messages[0].Text, BitmapFile() + "\n\nFile not found");
    EXPECT_EQ(alerts->Messages[0].Title, "Orvanta");

    ShowAge(7.4f);
    EXPECT_EQ(DrawnAt({0.25, 0.5}), DrawnAt({0, 0})) << "in shadow";
    EXPECT_EQ(DrawnAt({0.75, 0.5}), qRgb(255, 255, 192)) << "light yellow";
}

} // namespace
