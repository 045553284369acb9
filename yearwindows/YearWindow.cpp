#include "yearwindows/YearWindow.h"

#include "artwork/Artwork.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Pictures.h"
#include "frame/Start.h"
#include "frame/WindowManagement.h"
#include "platform/Input.h"
#include "yearwindows/YearCals.h"
#include "yearwindows/YearGrid.h"

#include <QSize>
#include <array>

namespace {

constexpr std::array<const char *, 5> WindowNames{"", "frmJulian", "frmGregorian", "frmJewish",
                                                  "frmMoslem"};

// The designed toolbar, in twips: every control sits at the same top and height.
constexpr int BarTop = 54;
constexpr int BarHeight = 315;
constexpr int WideButton = 435;
constexpr int NarrowButton = 315;
constexpr int OtherCalendarLeft[] = {110, 606, 1102}; // Command1(7..9)
constexpr int MoonLeft = 1598;
constexpr int PreviousYearLeft = 2124;
constexpr int YearListLeft = 2470;
constexpr int YearListWidth = 840;
constexpr int NextYearLeft = 3341;
constexpr int CommandLeft[] = {3747, 4243, 4739, 5239}; // Command1(3..6)

// The grid under the toolbar; LoadYearForm sizes it.
constexpr int GridTop = 430;

// The calendar's picture, seen while the grid is hidden.
constexpr int PictureLeft = 1448;
constexpr int PictureTop = 2040;
constexpr int PictureSide = 3000;

// Text of the year list: a dark brown.
constexpr int32_t YearListForeColor = platform::Rgb(128, 64, 0);

constexpr int ExitIndex = 6;

QSize PixelSize(int width, int height) {
    return {platform::TwipsToPixels(width), platform::TwipsToPixels(height)};
}

QIcon ButtonFace(Artwork::ButtonKind kind, int width) {
    const QSize size = PixelSize(width, BarHeight);
    return Start::SharpPicture(
        [kind, size](qreal ratio) { return Artwork::ButtonPicture(kind, size, ratio); });
}

QIcon MoonFace(int phase) {
    const QSize size = PixelSize(WideButton, BarHeight);
    return Start::SharpPicture(
        [phase, size](qreal ratio) { return Artwork::MoonPhaseButton(phase, size, ratio); });
}

QIcon CalendarFace(int16_t cal) {
    const QSize size = PixelSize(PictureSide, PictureSide);
    return Start::SharpPicture(
        [cal, size](qreal ratio) { return Artwork::CalendarPicture(cal, size, ratio); });
}

} // namespace

YearWindow::YearWindow(int16_t cal)
    : YearForm(QString::fromLatin1(WindowNames.at(cal))), CalendarId(cal),
      Command1(this, QStringLiteral("Command1")), Command2(this, QStringLiteral("Command2")),
      Combo1(this, QStringLiteral("Combo1")), MSFlexGrid1(this, QStringLiteral("MSFlexGrid1")) {
    // The Jewish calendar reaches every day the program accepts: its grid is never
    // hidden, and its window has no picture.
    if (cal != Calc::Jewish) {
        Image1.emplace(this, QStringLiteral("Image1"));
        Image1->Move(PictureLeft, PictureTop, PictureSide, PictureSide);
        Image1->SetStretch(true);
        Image1->SetPicture(CalendarFace(cal));
        Image1->ZOrder(1);
    }
    int tab = 0;
    for (int index = 7; index <= 9; ++index) {
        Command1[index].Move(OtherCalendarLeft[index - 7], BarTop, WideButton, BarHeight);
        Command1[index].SetTabIndex(tab++);
    }
    for (int phase = 0; phase <= 8; ++phase) {
        Command2[phase].Move(MoonLeft, BarTop, WideButton, BarHeight);
        Command2[phase].SetPicture(MoonFace(phase));
        Command2[phase].SetTabIndex(tab + phase);
        Command2[phase].SetTabStop(false);
    }
    tab += 9;
    Command1[1].Move(PreviousYearLeft, BarTop, NarrowButton, BarHeight);
    Command1[1].SetPicture(ButtonFace(Artwork::ButtonKind::PreviousYear, NarrowButton));
    Command1[1].SetTabIndex(tab++);
    Combo1.Move(YearListLeft, BarTop, YearListWidth, BarHeight);
    Combo1.SetTabIndex(tab++);
    Command1[2].Move(NextYearLeft, BarTop, NarrowButton, BarHeight);
    Command1[2].SetPicture(ButtonFace(Artwork::ButtonKind::NextYear, NarrowButton));
    Command1[2].SetTabIndex(tab++);
    constexpr Artwork::ButtonKind Faces[] = {Artwork::ButtonKind::Today,
                                             Artwork::ButtonKind::Options,
                                             Artwork::ButtonKind::About, Artwork::ButtonKind::Exit};
    for (int index = 3; index <= 6; ++index) {
        Command1[index].Move(CommandLeft[index - 3], BarTop, WideButton, BarHeight);
        Command1[index].SetPicture(ButtonFace(Faces[index - 3], WideButton));
        Command1[index].SetTabIndex(tab++);
    }
    MSFlexGrid1.SetRows(YearCals::GridRows);
    MSFlexGrid1.SetCols(YearCals::GridCols(cal));
    MSFlexGrid1.Move(0, GridTop, 0, 0);
    MSFlexGrid1.SetTabIndex(tab);

    for (int index = 1; index <= 9; ++index) {
        connect(&Command1[index], &platform::CommandButton::Click, this,
                [this, index] { Command1_Click(index); });
        connect(&Command1[index], &platform::CommandButton::MouseDown, this,
                [this, index](int button, int, int, int) { Command1_MouseDown(index, button); });
    }
    for (auto &moon : Command2)
        connect(&moon, &platform::CommandButton::Click, this, [] { YearCals::ShowMoon(); });
    connect(&Combo1, &platform::ComboBox::GotFocus, this, &YearWindow::Combo1_GotFocus);
    connect(&Combo1, &platform::ComboBox::Click, this,
            [this] { YearCals::YearListClick(*this, CalendarId); });
    connect(&MSFlexGrid1, &platform::MSFlexGrid::MouseDown, this,
            [this](int button, int, int, int) { MSFlexGrid1_MouseDown(button); });
    connect(&MSFlexGrid1, &platform::MSFlexGrid::DblClick, this,
            [] { Frame::ShowMonthlyWindow(); });
}

void YearWindow::Form_Load() {
    YearCals::LoadYearForm(*this, CalendarId);
    SetBackColor(Start::BackColors[CalendarId]);
    Combo1.SetBackColor(Start::BackColors[CalendarId]);
    Combo1.SetForeColor(YearListForeColor);
    for (int index = 7; index <= 9; ++index)
        Command1[index].SetBackColor(Start::BackColors[YearCals::OtherCalendar(CalendarId, index)]);
    Start::PlaceWindow(*this, CalendarId);
}

void YearWindow::Form_Unload() {
    YearCals::UnloadYearForm(*this, CalendarId);
}

void YearWindow::Form_Resize() {
    if (CalendarId == Calc::Jewish && WindowState() == platform::WindowNormal)
        YearCals::JewishWidth(*this);
}

void YearWindow::SetYearForm() {
    YearCals::SetYearForm(*this, CalendarId);
}

void YearWindow::Command1_Click(int index) {
    if (index < 7) {
        YearCals::YearCommand(*this, CalendarId, index);
        return;
    }
    YearForm &other = *YearWindowOf(YearCals::OtherCalendar(CalendarId, index));
    other.SetYearForm();
    other.Show();
    Frame::SetExitTips();
}

void YearWindow::Command1_MouseDown(int index, int button) {
    if (index == ExitIndex && button == platform::MouseRight) {
        Frame::ExitProgram(CalendarId);
    }
}

void YearWindow::Combo1_GotFocus() {
    LastYearText = Combo1.Text();
    if (Combo1.ListCount() == 1) YearCals::FillYearList(*this, CalendarId);
}

void YearWindow::MSFlexGrid1_MouseDown(int button) {
    if (button == platform::MouseLeft) YearCals::SelectDay(*this, CalendarId);
}
