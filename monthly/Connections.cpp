// Which handler each control's events reach; array elements pass their index.
#include "frame/AppState.h"
#include "monthly/MonthlyWindow.h"

using platform::ComboBox;
using platform::CommandButton;
using platform::MSFlexGrid;

void MonthlyWindow::ConnectColumn(int pos) {
    connect(&Combo1[pos], &ComboBox::GotFocus, this, [this] { EditStarted = true; });
    connect(&Combo1[pos], &ComboBox::Click, this, [this, pos] { Combo1_Click(pos); });

    const std::tuple<ComboBox *, void (MonthlyWindow::*)(int), void (MonthlyWindow::*)(int)>
        fields[] = {{&Combo2[pos], &MonthlyWindow::FillYearCombo, &MonthlyWindow::Combo2_Click},
                    {&Combo3[pos], &MonthlyWindow::FillMonthCombo, &MonthlyWindow::Combo3_Click},
                    {&Combo4[pos], &MonthlyWindow::FillYearDayCombo, &MonthlyWindow::Combo4_Click},
                    {&Combo5[pos], &MonthlyWindow::FillWeekCombo, &MonthlyWindow::Combo5_Click}};
    for (const auto &[field, fill, click] : fields) {
        connect(field, &ComboBox::GotFocus, this,
                [this, pos, field, fill] { ColumnField_GotFocus(pos, *field, fill); });
        const auto listNeeded = [this, pos, field, fill] {
            ColumnField_DropDown(pos, *field, fill);
        };
        connect(field, &ComboBox::DropDown, this, listNeeded);
        // A key steps through the list, which the focus coming back with the window
        // finds cut down to one item.
        connect(field, &ComboBox::KeyDown, this, listNeeded);
        connect(field, &ComboBox::Click, this, [this, pos, click] { (this->*click)(pos); });
    }

    connect(&MSFlexGrid1[pos], &MSFlexGrid::MouseDown, this,
            [this, pos] { MSFlexGrid1_MouseDown(pos); });
    connect(&MSFlexGrid1[pos], &MSFlexGrid::DblClick, this,
            [this, pos] { MSFlexGrid1_DblClick(pos); });
}

void MonthlyWindow::ConnectCommonFields() {
    connect(&Combo6, &ComboBox::Click, this, [this] { Combo6_Click(); });

    connect(&Combo7, &ComboBox::GotFocus, this, [this] { FillMoonAgeCombo(); });
    connect(&Combo7, &ComboBox::DropDown, this, [this] { Combo7_DropDown(); });
    connect(&Combo7, &ComboBox::KeyDown, this, [this] { Combo7_DropDown(); });
    connect(&Combo7, &ComboBox::Click, this, [this] { Combo7_Click(); });

    connect(&Combo8, &ComboBox::DropDown, this, [this] { Combo8_DropDown(); });
    connect(&Combo8, &ComboBox::Change, this, [this] { Combo8_Change(); });
    connect(&Combo8, &ComboBox::KeyDown, this,
            [this](int &keyCode, int) { Combo8_KeyDown(keyCode); });
    connect(&Combo8, &ComboBox::Click, this, [this] { ApplyJulianDay(); });
    connect(&Combo8, &ComboBox::LostFocus, this, [this] { ApplyJulianDay(); });
    connect(&Combo8, &ComboBox::LeftWindow, this, [this] { Combo8_LeftWindow(); });
}

void MonthlyWindow::ConnectButtons() {
    for (int index = 1; index <= 5; ++index) {
        connect(&Command1[index], &CommandButton::Click, this,
                [this, index] { Command1_Click(index); });
        connect(&Command1[index], &CommandButton::MouseDown, this,
                [this, index](int button, int, int, int) { Command1_MouseDown(index, button); });
    }
    for (CommandButton &moon : Command2)
        connect(&moon, &CommandButton::Click, this, [this] { Command2_Click(); });
}
