// OptionsWindow (instance frmOptions): the options window, opened without blocking
// from the options buttons of the monthly and the year windows.
//  - Frame1 the Moslem variant: Label1 the explanation, Option1 / Option2 the two
//    variants, each captioned with two lines
//  - Frame2 the first week day: per row i = 1..4 in the monthly window's column order
//    (ColumnCals(i)), Label2(i) the calendar's name naming the list Combo1(i) of the
//    seven week-day abbreviations; the first entry's item data holds the calendar
//  - Frame3 the language list Combo3 ("English (Default)", then every language file
//    beside the program); Frame4 the startup window list Combo2; Check1 the tooltips
//  - Command1(1) Apply, Command1(2) Close: picture buttons named by the texts
//    "Apply" and "Close" of the language
//  - nothing takes effect before Apply; Close and the title bar's close button
//    destroy the window with every choice in it
//  - ShowOptions: creates the window on first use and brings it to the front
#pragma once

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/FormRef.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"

#include <QString>
#include <cstdint>

class OptionsWindow final : public platform::Form {
  public:
    OptionsWindow();

    platform::Frame Frame1;
    platform::Label Label1;
    platform::OptionButton Option1;
    platform::OptionButton Option2;
    platform::Frame Frame2;
    platform::ControlArray<platform::Label, 1, 4> Label2;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo1;
    platform::Frame Frame3;
    platform::ComboBox Combo3;
    platform::Frame Frame4;
    platform::ComboBox Combo2;
    platform::CheckBox Check1;
    platform::ControlArray<platform::CommandButton, 1, 2> Command1;

  protected:
    void Form_Load() override;

  private:
    void Combo1_Click(int row);
    void Command1_Click(int index);

    // Applies every choice; false when no language is chosen, and nothing is applied.
    bool ApplyOptions();
    void ApplyLanguage();
    void ApplySettings();
    void ApplyTips();

    int16_t NewMoslemType = 1;
    int16_t NewFirstWeekDay[5] = {};
    QString NewLanguage;
};

extern platform::FormRef<OptionsWindow> frmOptions;

namespace Start {

void ShowOptions();

} // namespace Start
