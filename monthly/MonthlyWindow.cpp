#include "monthly/MonthlyWindow.h"

#include "artwork/Artwork.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Pictures.h"
#include "frame/Start.h"
#include "frame/WindowManagement.h"
#include "monthly/Layout.h"

using namespace Monthly;

namespace {

QSize Square(int twips) {
    const int side = platform::TwipsToPixels(twips);
    return {side, side};
}

// The faces of Command1(1..5).
constexpr Artwork::ButtonKind ButtonKinds[5] = {
    Artwork::ButtonKind::YearCalendars, Artwork::ButtonKind::Today, Artwork::ButtonKind::Options,
    Artwork::ButtonKind::About, Artwork::ButtonKind::Exit};

} // namespace

MonthlyWindow::MonthlyWindow()
    : MonthlyForm("frmMonthlyCal"), Image1(this, "Image1"), Combo1(this, "Combo1"),
      Combo2(this, "Combo2"), Combo3(this, "Combo3"), MSFlexGrid1(this, "MSFlexGrid1"),
      Combo4(this, "Combo4"), Combo5(this, "Combo5"), Combo6(this, "Combo6"),
      Combo7(this, "Combo7"), Combo8(this, "Combo8"), Command2(this, "Command2"),
      Command1(this, "Command1") {
    SetWidth(Width() - ScaleWidth() + InnerWidth);
    SetHeight(Height() - ScaleHeight() + InnerHeight);
    setWindowIcon(Artwork::ProgramIcon());
    DesignCommonFields();
    DesignButtons();
    for (int pos = 1; pos <= 4; ++pos)
        DesignColumn(pos);
    for (int pos = 1; pos <= 4; ++pos)
        ConnectColumn(pos);
    ConnectCommonFields();
    ConnectButtons();
}

void MonthlyWindow::DesignColumn(int pos) {
    const int left = ColumnLefts[pos];
    const std::pair<platform::ComboBox *, int> fields[] = {{&Combo1[pos], CalendarTop},
                                                           {&Combo2[pos], YearTop},
                                                           {&Combo3[pos], MonthTop},
                                                           {&Combo4[pos], YearDayTop},
                                                           {&Combo5[pos], WeekTop}};
    for (const auto &[field, top] : fields)
        field->Move(left, top, FieldWidth, FieldHeight);

    platform::MSFlexGrid &grid = MSFlexGrid1[pos];
    grid.SetRows(GridRows);
    grid.SetCols(GridCols);
    grid.SetLeft(left);
    grid.SetTop(GridTop);
    grid.SetGridColor(Start::GridLineColor);

    platform::Image &picture = Image1[pos];
    picture.Move(left, GridTop, PictureSide, PictureSide);
    picture.SetStretch(true);
    picture.SetPicture(Start::SharpPicture(
        [pos](qreal ratio) { return Artwork::CalendarPicture(pos, Square(PictureSide), ratio); }));
}

void MonthlyWindow::DesignCommonFields() {
    const std::pair<platform::ComboBox *, int> fields[] = {
        {&Combo6, WeekDayTop}, {&Combo7, MoonAgeTop}, {&Combo8, JulianDayTop}};
    for (const auto &[field, top] : fields)
        field->Move(CommonLeft, top, FieldWidth, FieldHeight);
    Combo8.SetStyle(platform::ComboStyle::DropDownCombo);
}

void MonthlyWindow::DesignButtons() {
    for (int phase = 0; phase <= 8; ++phase) {
        platform::CommandButton &moon = Command2[phase];
        moon.Move(MoonButtonLeft, ButtonTop, ButtonSide, ButtonSide);
        moon.SetPicture(Start::SharpPicture([phase](qreal ratio) {
            return Artwork::MoonPhaseButton(phase, Square(ButtonSide), ratio);
        }));
    }
    for (int index = 1; index <= 5; ++index) {
        platform::CommandButton &button = Command1[index];
        button.Move(ButtonLefts[index], ButtonTop, ButtonSide, ButtonSide);
        button.SetPicture(Start::SharpPicture([index](qreal ratio) {
            return Artwork::ButtonPicture(ButtonKinds[index - 1], Square(ButtonSide), ratio);
        }));
    }
    // The keyboard starts on the week day, then the moon button of the current phase
    // (SetCommonInfo keeps it second), the other window-wide fields and the buttons;
    // the columns follow from left to right.
    int tab = 0;
    Combo6.SetTabIndex(tab++);
    Command2[0].SetTabIndex(tab++);
    Combo7.SetTabIndex(tab++);
    Combo8.SetTabIndex(tab++);
    for (int index = 1; index <= 5; ++index)
        Command1[index].SetTabIndex(tab++);
    for (int pos = 1; pos <= 4; ++pos) {
        Combo1[pos].SetTabIndex(tab++);
        Combo2[pos].SetTabIndex(tab++);
        Combo3[pos].SetTabIndex(tab++);
        MSFlexGrid1[pos].SetTabIndex(tab++);
        Combo4[pos].SetTabIndex(tab++);
        Combo5[pos].SetTabIndex(tab++);
    }
}

void MonthlyWindow::Form_Load() {
    SetCaption(QString::fromStdString(Texts::CalendarNames[5]));
    for (int i = 1; i <= 4; ++i) {
        platform::MSFlexGrid &grid = MSFlexGrid1[i];
        for (int row = 0; row < GridRows; ++row)
            grid.SetRowHeight(row, RowHeight);
        grid.SetColWidth(0, Start::WeekDayColWidth);
        for (int col = 1; col < GridCols; ++col)
            grid.SetColWidth(col, Start::WeekColWidth);
        grid.SetBackColor(Start::BackColors[Start::ColumnCals[i]]);
        grid.SetForeColor(Start::ForeColors[Start::DayText]);
        grid.SetHeight(grid.RowPos(GridRows - 1) + grid.RowHeight(GridRows - 1) + GridBorder);
        grid.SetWidth(grid.ColPos(GridCols - 1) + grid.ColWidth(GridCols - 1) + GridBorder);
    }
    // Each picture keeps its shape and takes the height of the grids it hides behind.
    for (int i = 1; i <= 4; ++i) {
        platform::Image &picture = Image1[i];
        const platform::MSFlexGrid &grid = MSFlexGrid1[i];
        picture.SetTop(grid.Top());
        const double scale = static_cast<double>(picture.Height()) / grid.Height();
        picture.SetHeight(static_cast<int>(picture.Height() / scale));
        picture.SetWidth(static_cast<int>(picture.Width() / scale));
        picture.ZOrder(1);
    }
    Start::PlaceWindow(*this, Start::MonthlyWindowIndex);
}

void MonthlyWindow::Form_Unload() {
    Hide();
    Frame::UpdateExitTips();
}

void MonthlyWindow::FocusToday() {
    Command1[3].SetFocus();
}
