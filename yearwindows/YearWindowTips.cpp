#include "yearwindows/YearWindow.h"

void YearWindow::SetTips(const YearTips &tips) {
    for (int k = 1; k <= 9; ++k)
        Command1[k].SetToolTipText(tips.Command1[k]);
    for (auto &button : Command2)
        button.SetToolTipText(tips.Command2);
    MSFlexGrid1.SetToolTipText(tips.MSFlexGrid1);
    Combo1.SetToolTipText(tips.Combo1);
}
