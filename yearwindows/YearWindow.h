// YearWindow: the year window of one calendar; frmJulian, frmGregorian, frmJewish and
// frmMoslem are four instances, each given its CalendarId when it is made.
//  - the toolbar as designed: Command1(7..9) open the other three calendars' year
//    windows, Command2(0..8) the moon buttons stacked in one place, Command1(1)
//    previous year, Combo1 the year list, Command1(2) next year, Command1(3..6)
//    today, options, about and exit; MSFlexGrid1 below them
//  - exit button Command1(6): left click closes the window (or ends the program
//    when it is the last one shown), the right button pressed ends the program
//  - closed from the title bar: hidden, then destroyed
//  - SetYearForm: brings the window up to the selected day
#pragma once

#include "frame/Windows.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/MSFlexGrid.h"

#include <cstdint>

class YearWindow final : public YearForm {
  public:
    explicit YearWindow(int16_t cal);

    const int16_t CalendarId;

    platform::ControlArray<platform::CommandButton, 1, 9> Command1;
    platform::ControlArray<platform::CommandButton, 0, 8> Command2;
    platform::ComboBox Combo1;
    platform::MSFlexGrid MSFlexGrid1;

    void SetYearForm() override;
    platform::CommandButton &ExitButton() override { return Command1[6]; }
    void SetTips(const YearTips &tips) override;

  protected:
    void Form_Load() override;
    void Form_Unload() override;

  private:
    void Command1_Click(int index);
    void Command1_MouseDown(int index, int button);
};
