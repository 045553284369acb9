#include "FrameFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "frame/WindowManagement.h"
#include "platform/FormRef.h"
#include "platform/core/Clock.h"
#include "platform/core/Program.h"
#include "platform/core/Settings.h"

#include <QFile>

namespace FrameTesting {

namespace {

void Log(const QObject &window, const std::string &call) {
    Calls.push_back(window.objectName().toStdString() + "." + call);
}

const char *const Sections[] = {"Julian", "Gregorian", "Jewish", "Moslem", "Monthly", "Moon"};
const char *const YearNames[] = {"", "frmJulian", "frmGregorian", "frmJewish", "frmMoslem"};

} // namespace

FakeMonthly::FakeMonthly()
    : MonthlyForm(QStringLiteral("frmMonthlyCal")), Command1(this, QStringLiteral("Command1")) {
    SetWidth(9000);
    SetHeight(6000);
    connect(&Command1[5], &platform::CommandButton::Click, this, [this] {
        Frame::CloseWindow(*this, 0);
        Frame::UpdateExitTips();
    });
}

void FakeMonthly::SetCal(int16_t pos) {
    Log(*this, "SetCal " + std::to_string(pos));
}
void FakeMonthly::SetGrid(int16_t pos) {
    Log(*this, "SetGrid " + std::to_string(pos));
}
void FakeMonthly::SetCommonInfo() {
    Log(*this, "SetCommonInfo");
}
void FakeMonthly::ReSetForm() {
    Log(*this, "ReSetForm");
}
void FakeMonthly::FocusToday() {
    Log(*this, "FocusToday");
}

void FakeMonthly::Form_Load() {
    Start::PlaceWindow(*this, Start::MonthlyWindowIndex);
}

void FakeMonthly::Form_Unload() {
    Hide();
    Frame::UpdateExitTips();
}

FakeYear::FakeYear(int16_t cal)
    : YearForm(QString::fromLatin1(YearNames[cal])), Exit(this, QStringLiteral("Command1_6")),
      cal_(cal) {
    SetWidth(6000);
    SetHeight(4500);
}

void FakeYear::SetYearForm() {
    Log(*this, "SetYearForm");
}

void FakeYear::Form_Load() {
    Start::PlaceWindow(*this, cal_);
}

void FakeYear::Form_Unload() {
    Hide();
    Frame::UpdateExitTips();
}

FakeMoon::FakeMoon() : MoonForm(QStringLiteral("frmMoon")) {
    SetWidth(3300);
    SetHeight(3300);
}

void FakeMoon::ReSetForm() {
    Log(*this, "ReSetForm");
}

void FakeMoon::Form_Load() {
    Start::PlaceWindow(*this, Start::MoonWindowIndex);
}

StoredPositions ReadStoredPositions() {
    StoredPositions positions;
    for (const char *section : Sections)
        positions[section] = {platform::ReadSetting(section, "Top", "absent"),
                              platform::ReadSetting(section, "Left", "absent")};
    return positions;
}

void FrameTest::SetUp() {
    ASSERT_TRUE(Folder.isValid());
    platform::SetSettingsFile(Folder.filePath("Orvanta.conf"));
    platform::SetProgramFolder(Folder.path());
    Start::ResetState();
    ChangeCals::Reset();
    Calc::StartEngine({});
    Start::FillColors();
    Start::ShowTips = 1;
    Start::LanguageName = Texts::EnglishDefault;
    for (int index = 1; index <= Start::WindowCount; ++index) {
        Start::WinTop[index] = Start::NoPosition;
        Start::WinLeft[index] = Start::NoPosition;
    }
    Calls.clear();
    Frame::SetEndHandler([this] {
        ++Ends;
        PositionsAtEnd = ReadStoredPositions();
        StoreAtEnd = StoreText();
    });
    RegisterWindows({[] { return new FakeMonthly(); },
                     [this](int16_t cal) { return MakeYearWindow(cal); },
                     [] { return new FakeMoon(); }});
}

void FrameTest::TearDown() {
    // As the program does at its end: the window procedures fall quiet first, so
    // that taking the windows down cannot bring any back.
    Frame::EndProgram();
    platform::DestroyAllForms();
    Frame::SetEndHandler({});
    ChangeCals::SetWindows(nullptr);
    platform::SetClock({});
    platform::SetProgramFolder({});
    platform::SetSettingsFile({});
}

YearForm *FrameTest::MakeYearWindow(int16_t cal) {
    return new FakeYear(cal);
}

QString FrameTest::StoreText() const {
    QFile file(platform::SettingsFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace FrameTesting
