// The moon window under test, with stand-in monthly and year windows, and a program
// folder that holds a plain white test moon on the real moon's sky colour, unless a
// test asks for none.
#include "moon/MoonWindow.h"
#include "ProgramTest.h"
#include "artwork/Artwork.h"
#include "frame/Windows.h"
#include "moon/Shadow.h"
#include "platform/CommandButton.h"
#include "platform/ShapeStyle.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace MoonTest {
namespace {

class FakeMonthly final : public MonthlyForm {
  public:
    FakeMonthly() : MonthlyForm("frmMonthlyCal") {}
    void SetCal(int16_t) override {}
    void SetGrid(int16_t) override {}
    void SetCommonInfo() override {}
    void ReSetForm() override { ShownAtReSetForm.push_back(Visible()); }
    void FocusToday() override {}
    platform::CommandButton &ExitButton() override { return Exit; }

    platform::CommandButton Exit{this, "Command1_5"};
    std::vector<bool> ShownAtReSetForm;
};

class FakeYear final : public YearForm {
  public:
    FakeYear() : YearForm("YearWindow") {}
    void SetYearForm() override {}
    platform::CommandButton &ExitButton() override { return Exit; }
    platform::CommandButton Exit{this, "Command1_6"};
};

class MoonWindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        if (WithBitmap()) {
            const int side = Artwork::MoonBitmapSide;
            QImage moon(side, side, QImage::Format_RGB32);
            moon.fill(Artwork::MoonBackground);
            QPainter painter(&moon);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QRectF(1, 1, side - 2, side - 2));
            painter.end();
            ASSERT_TRUE(moon.save(QDir(folder.path()).filePath("Moon.bmp"), "BMP"));
        }
        RegisterWindows({[] { return new FakeMonthly(); }, [](int16_t) { return new FakeYear(); },
                         [] { return new MoonWindow(); }});
    }
    virtual bool WithBitmap() const { return true; }

    static MoonWindow &Moon() { return static_cast<MoonWindow &>(*frmMoon); }
    static FakeMonthly &Monthly() { return static_cast<FakeMonthly &>(*frmMonthlyCal); }
    static void ShowAge(float age) {
        ChangeCals::MoonAge = age;
        Moon().ReSetForm();
    }
    // Picture1 as drawn, one image pixel per device-independent pixel.
    static QImage Drawn() {
        return Moon().Picture1.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

constexpr float S = 29.530588f;

float Above(float age) {
    return std::nextafter(age, 100.0f);
}

constexpr int Rectangle = platform::ShapeRectangle, Circle = platform::ShapeCircle;
constexpr int Solid = platform::FillSolid, Clear = platform::FillTransparent;

// Each phase's range, half a day either side of the quarters: the shadow at its first
// and its last age, and how it is filled (none: the full moon keeps the fill it finds).
struct PhaseRange {
    const char *Name;
    float First, Last;
    int Kind;
    std::optional<int> Fill;
};

const PhaseRange PhaseRanges[] = {
    {"NewMoon", 0.0f, 0.5f, Rectangle, Solid},
    {"WaxingCrescent", Above(0.5f), S / 4 - 0.5f, Circle, Solid},
    {"FirstQuarter", Above(S / 4 - 0.5f), S / 4 + 0.5f, Rectangle, Solid},
    {"WaxingGibbous", Above(S / 4 + 0.5f), S / 2 - 0.5f, Circle, Clear},
    {"FullMoon", Above(S / 2 - 0.5f), S / 2 + 0.5f, Rectangle, std::nullopt},
    {"WaningGibbous", Above(S / 2 + 0.5f), 0.75f * S - 0.5f, Circle, Clear},
    {"LastQuarter", Above(0.75f * S - 0.5f), 0.75f * S + 0.5f, Rectangle, Solid},
    {"WaningCrescent", Above(0.75f * S + 0.5f), S - 0.5f, Circle, Solid},
    {"NewMoonAgain", Above(S - 0.5f), std::nextafter(S, 0.0f), Rectangle, Solid},
};

TEST_F(MoonWindowTest, PhasesEndAtTheirBoundaries) {
    for (const PhaseRange &phase : PhaseRanges) {
        for (const float age : {phase.First, phase.Last}) {
            SCOPED_TRACE(testing::Message() << phase.Name << " at " << age);
            ShowAge(age);
            EXPECT_EQ(Moon().Shape1.ShapeKind(), phase.Kind);
            if (phase.Fill) {
                EXPECT_EQ(Moon().Shape1.FillStyle(), *phase.Fill);
            }
        }
    }
}

// What the user sees on the white test moon: points given as fractions of the
// picture, lit ones bright, dark ones exactly the sky colour.
struct LightRow {
    const char *Name;
    float Age;
    std::vector<QPointF> Lit;
    std::vector<QPointF> Dark;
};

const LightRow LightRows[] = {
    {"NewMoon", 0.3f, {}, {{0.5, 0.5}, {0.25, 0.5}, {0.75, 0.5}, {0.5, 0.2}}},
    {"WaxingCrescent", 3.0f, {{0.9, 0.5}}, {{0.5, 0.5}, {0.25, 0.5}}},
    {"FirstQuarter", 7.4f, {{0.75, 0.5}, {0.6, 0.2}}, {{0.25, 0.5}, {0.4, 0.2}}},
    {"WaxingGibbous", 10.0f, {{0.5, 0.5}, {0.75, 0.5}, {0.5, 0.15}}, {{0.1, 0.5}}},
    {"FullMoon", 14.8f, {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}, {0.5, 0.1}}, {}},
    {"WaningGibbous", 20.0f, {{0.5, 0.5}, {0.25, 0.5}, {0.5, 0.15}}, {{0.9, 0.5}}},
    {"LastQuarter", 22.2f, {{0.25, 0.5}, {0.4, 0.2}}, {{0.75, 0.5}, {0.6, 0.2}}},
    {"WaningCrescent", 26.0f, {{0.12, 0.5}}, {{0.5, 0.5}, {0.75, 0.5}}},
    {"NewMoonAgain", 29.3f, {}, {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}}},
};

TEST_F(MoonWindowTest, WhatIsLitMatchesThePhase) {
    for (const LightRow &row : LightRows) {
        SCOPED_TRACE(row.Name);
        ShowAge(row.Age);
        const QImage drawn = Drawn();
        const auto at = [&](QPointF p) {
            return drawn.pixel(static_cast<int>(p.x() * drawn.width()),
                               static_cast<int>(p.y() * drawn.height()));
        };
        for (QPointF p : row.Lit)
            EXPECT_GT(qGray(at(p)), 200) << "lit at " << p.x() << ", " << p.y();
        for (QPointF p : row.Dark)
            EXPECT_EQ(at(p), Artwork::MoonBackground) << "dark at " << p.x() << ", " << p.y();
        EXPECT_EQ(at({0.03, 0.03}), Artwork::MoonBackground) << "the sky stays one colour";
        EXPECT_EQ(at({0.97, 0.03}), Artwork::MoonBackground) << "the sky stays one colour";
    }
}

TEST_F(MoonWindowTest, AgeShowsOneDecimalWithAPoint) {
    EXPECT_TRUE(alerts->Messages.empty());
    EXPECT_FALSE(Moon().Shape2.Visible());
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<float, const char *> cases[] = {
        {0.04f, "0.0"}, {7.0f, "7.0"}, {14.96f, "15.0"}, {std::nextafter(S, 0.0f), "29.5"}};
    for (const auto &[age, text] : cases) {
        ShowAge(age);
        EXPECT_EQ(Moon().Label1.Caption(), text) << age;
    }
    QLocale::setDefault(before);
}

TEST_F(MoonWindowTest, EscHidesItEvenAfterARefreshOtherKeysAndTheTitleBarLeaveTheSameWindow) {
    Moon().Show();
    Moon().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Moon()));
    QTest::keyClick(&Moon().Picture1, Qt::Key_Return);
    QTest::keyClick(&Moon().Picture1, Qt::Key_A);
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

const QString SeveralWindowsTip = "Left$ mouse button — Close window. Right$ mouse button — Exit";

TEST_F(MoonWindowTest, DoubleClickBringsUpTheHiddenMonthlyWindowOnTheSameDay) {
    SelectDayThenStaleJD(2451545);
    Moon().Show();
    // On the clear pane over the picture: the click passes through to it.
    QTest::mouseDClick(&Moon().Label2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Monthly().ShownAtReSetForm, std::vector<bool>{false}) << "up to date, then shown";
    EXPECT_TRUE(Monthly().Visible());
    EXPECT_EQ(Calc::CurrentJD, 2451545);
    EXPECT_EQ(ChangeCals::ChangeSource, 0);
    EXPECT_EQ(Monthly().ExitButton().ToolTipText(), SeveralWindowsTip);
}

TEST_F(MoonWindowTest, DoubleClickRestoresTheMinimisedMonthlyWindow) {
    SelectDayThenStaleJD(2451545);
    Monthly().Show();
    Monthly().SetWindowState(1);
    Moon().Show();
    QTest::mouseDClick(&Moon().Picture1, Qt::LeftButton);
    EXPECT_EQ(Monthly().WindowState(), 0);
    EXPECT_TRUE(Monthly().ShownAtReSetForm.empty());
    EXPECT_EQ(Calc::CurrentJD, 2451545 + 100) << "no new date change";
    EXPECT_EQ(Monthly().ExitButton().ToolTipText(), SeveralWindowsTip);
}

class WithoutBitmap : public MoonWindowTest {
  protected:
    bool WithBitmap() const override { return false; }
};

TEST_F(WithoutBitmap, SaysWhichFileIsMissingAndShowsALightYellowDiscInstead) {
    const platform::Shape &disc = Moon().Shape2;
    ASSERT_EQ(alerts->Messages.size(), 1u);
    EXPECT_EQ(alerts->Messages[0].Text,
              QDir(folder.path()).filePath("Moon.bmp") + "\n\nFile not found");
    EXPECT_EQ(alerts->Messages[0].Title, "Orvanta");
    ASSERT_TRUE(disc.Visible());
    EXPECT_EQ(disc.ShapeKind(), platform::ShapeCircle);
    EXPECT_EQ(disc.Left(), 30);
    EXPECT_EQ(disc.Width(), Moon().Picture1.Width() - 60);

    constexpr QRgb LightYellow = qRgb(255, 255, 192);
    ShowAge(14.8f);
    EXPECT_EQ(Drawn().pixel(Drawn().width() / 2, Drawn().height() / 2), LightYellow);
    ShowAge(7.4f);
    const QImage drawn = Drawn();
    EXPECT_EQ(drawn.pixel(drawn.width() / 4, drawn.height() / 2), drawn.pixel(0, 0)) << "in shadow";
    EXPECT_EQ(drawn.pixel(drawn.width() * 3 / 4, drawn.height() / 2), LightYellow);
}

} // namespace
} // namespace MoonTest
