#include "yearwindows/YearWindow.h"

#include "artwork/Artwork.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Pictures.h"
#include "frame/Start.h"
#include "frame/WindowManagement.h"
#include "frame/about/AboutWindow.h"
#include "platform/Input.h"
#include "yearwindows/YearCals.h"

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

// The grid of a 20-column year (the week-day column and 18 week columns, as the year
// grid lays it out) under the toolbar; the window ends at its edges.
constexpr int GridTop = 430;
constexpr int GridWidth = 345 + 18 * 300 + 38;
constexpr int GridHeight = 28 * 195 + 4 * 360 + 68;

// Text of the year list: red 80, green 40, blue 00.
constexpr int32_t YearListForeColor = 0x004080;

// The moon button in front takes its place in the tab order after Command1(7..9).
constexpr int MoonTabIndex = 3;

constexpr int ExitIndex = 6;
constexpr int AboutIndex = 5;

// The calendar that button Command1(index), index 7..9, opens: the three other
// calendars in increasing order.
int16_t OtherCalendar(int16_t cal, int index) {
    const int16_t other = static_cast<int16_t>(index - 6);
    return other < cal ? other : static_cast<int16_t>(other + 1);
}

QIcon ButtonFace(Artwork::ButtonKind kind, int width) {
    const QSize size(platform::TwipsToPixels(width), platform::TwipsToPixels(BarHeight));
    return Start::SharpPicture(
        [kind, size](qreal ratio) { return Artwork::ButtonPicture(kind, size, ratio); });
}

QIcon MoonFace(int phase) {
    const QSize size(platform::TwipsToPixels(WideButton), platform::TwipsToPixels(BarHeight));
    return Start::SharpPicture(
        [phase, size](qreal ratio) { return Artwork::MoonPhaseButton(phase, size, ratio); });
}

QString CalendarName(int16_t cal) {
    return QString::fromStdString(Texts::CalendarNames[cal]);
}

} // namespace

YearWindow::YearWindow(int16_t cal)
    : YearForm(QString::fromLatin1(WindowNames.at(cal))), CalendarId(cal),
      Command1(this, QStringLiteral("Command1")), Command2(this, QStringLiteral("Command2")),
      Combo1(this, QStringLiteral("Combo1")), MSFlexGrid1(this, QStringLiteral("MSFlexGrid1")) {
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
    MSFlexGrid1.Move(0, GridTop, GridWidth, GridHeight);
    MSFlexGrid1.SetTabIndex(tab);
    // The inner area ends at the grid's edges, as they land on the screen's pixels.
    SetWidth(Width() - ScaleWidth() + MSFlexGrid1.Left() + MSFlexGrid1.Width());
    SetHeight(Height() - ScaleHeight() + MSFlexGrid1.Top() + MSFlexGrid1.Height());

    for (int index = 1; index <= 9; ++index) {
        connect(&Command1[index], &platform::CommandButton::Click, this,
                [this, index] { Command1_Click(index); });
        connect(&Command1[index], &platform::CommandButton::MouseDown, this,
                [this, index](int button, int, int, int) { Command1_MouseDown(index, button); });
    }
    for (auto &moon : Command2)
        connect(&moon, &platform::CommandButton::Click, this, [] { YearCals::ShowMoon(); });
}

void YearWindow::Form_Load() {
    SetCaption(CalendarName(CalendarId));
    SetBackColor(Start::BackColors[CalendarId]);
    Combo1.SetBackColor(Start::BackColors[CalendarId]);
    Combo1.SetForeColor(YearListForeColor);
    for (int index = 7; index <= 9; ++index)
        Command1[index].SetBackColor(Start::BackColors[OtherCalendar(CalendarId, index)]);
    Start::PlaceWindow(*this, CalendarId);
}

void YearWindow::Form_Unload() {
    YearCals::UnloadYearForm(*this);
}

// So far the names on the other-calendar buttons and the moon of the day; the year
// itself is drawn by the year grid.
void YearWindow::SetYearForm() {
    for (int index = 7; index <= 9; ++index)
        Command1[index].SetCaption(CalendarName(OtherCalendar(CalendarId, index)).left(3));
    const int front = ChangeCals::MoonPhase;
    for (int phase = 0; phase <= 8; ++phase)
        Command2[phase].SetTabStop(phase == front);
    Command2[front].ZOrder(0);
    Command2[front].SetTabIndex(MoonTabIndex);
}

void YearWindow::Command1_Click(int index) {
    if (index == AboutIndex) {
        frmAbout->Show();
    } else if (index == ExitIndex) {
        ChangeCals::CloseWindow(*this, CalendarId);
        ChangeCals::UpdateExitTips();
    } else if (index >= 7) {
        YearForm &other = *YearWindowOf(OtherCalendar(CalendarId, index));
        other.SetYearForm();
        other.Show();
        ChangeCals::SetExitTips();
    }
}

void YearWindow::Command1_MouseDown(int index, int button) {
    if (index == ExitIndex && button == platform::MouseRight) {
        int16_t window = CalendarId;
        ChangeCals::ExitProgram(window);
    }
}
