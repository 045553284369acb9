// YearWindow: the year window of one calendar; frmJulian, frmGregorian, frmJewish and
// frmMoslem are four instances, each given its CalendarId when it is made.
//  - the toolbar as designed: Command1(7..9) open the other three calendars' year
//    windows, Command2(0..8) the moon buttons stacked in one place, Command1(1)
//    previous year, Combo1 the year list, Command1(2) next year, Command1(3..6)
//    today, options, about and exit; MSFlexGrid1, the year, below them
//  - Image1 (not in the Jewish window): the calendar's picture under the grid, seen
//    while the day lies before the calendar's first day and the grid is hidden
//  - the events go to YearCals with the window's CalendarId: a left press on a day
//    selects it, a double click opens the monthly window, the list fills when it gets
//    the focus, the exit button's right press ends the program
//  - closed from the title bar: hidden, then destroyed
//  - SetYearForm: brings the window up to the selected day
#pragma once

#include "frame/Windows.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/Image.h"
#include "platform/MSFlexGrid.h"

#include <QString>
#include <cstdint>
#include <optional>

class YearWindow final : public YearForm {
  public:
    explicit YearWindow(int16_t cal);

    const int16_t CalendarId;

    std::optional<platform::Image> Image1;
    platform::ControlArray<platform::CommandButton, 1, 9> Command1;
    platform::ControlArray<platform::CommandButton, 0, 8> Command2;
    platform::ComboBox Combo1;
    platform::MSFlexGrid MSFlexGrid1;

    // The year list's text when it was last taken.
    QString LastYearText;

    void SetYearForm() override;
    platform::CommandButton &ExitButton() override { return Command1[6]; }
    void SetTips(const YearTips &tips) override;

  protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

  private:
    void Command1_Click(int index);
    void Command1_MouseDown(int index, int button);
    void Combo1_GotFocus();
    void MSFlexGrid1_MouseDown(int button);
};
