#include "MoonFixture.h"

#include "artwork/Artwork.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "platform/FormRef.h"
#include "platform/core/Program.h"

#include <QDir>
#include <QPainter>

namespace MoonTest {

FakeMonthly::FakeMonthly()
    : MonthlyForm(QStringLiteral("frmMonthlyCal")), Command1_5(this, QStringLiteral("Command1_5")) {
}

void FakeMonthly::ReSetForm() {
    ++ReSetForms;
    ShownAtReSetForm = Visible();
}

FakeYear::FakeYear()
    : YearForm(QStringLiteral("YearWindow")), Command1_6(this, QStringLiteral("Command1_6")) {}

QImage TestMoon() {
    const int side = Artwork::MoonBitmapSide;
    QImage moon(side, side, QImage::Format_RGB32);
    moon.fill(Artwork::MoonBackground);
    QPainter painter(&moon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    return moon;
}

void MoonWindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    if (WithBitmap()) {
        ASSERT_TRUE(TestMoon().save(QDir(folder.path()).filePath("Moon.bmp"), "BMP"));
    }
    platform::SetProgramFolder(folder.path());
    Calc::StartEngine({});
    Start::FillColors();
    Start::WinTop[Start::MoonWindowIndex] = Start::NoPosition;
    Start::WinLeft[Start::MoonWindowIndex] = Start::NoPosition;
    Start::ShowTips = 1;
    RegisterWindows({[] { return new FakeMonthly(); }, [](int16_t) { return new FakeYear(); },
                     [] { return new MoonWindow(); }});
}

void MoonWindowTest::TearDown() {
    platform::DestroyAllForms();
    ChangeCals::Reset();
    Calc::Reset();
    Start::ResetState();
    platform::SetProgramFolder({});
}

MoonWindow &MoonWindowTest::Moon() {
    return static_cast<MoonWindow &>(*frmMoon);
}

FakeMonthly &MoonWindowTest::Monthly() {
    return static_cast<FakeMonthly &>(*frmMonthlyCal);
}

void MoonWindowTest::ShowAge(float age) {
    ChangeCals::MoonAge = age;
    Moon().ReSetForm();
}

QImage MoonWindowTest::Drawn() {
    return Moon().Picture1.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace MoonTest
