#include "monthly/MonthlyWindow.h"

void MonthlyWindow::SetTips(const MonthlyTips &tips) {
    for (int pos = 1; pos <= 4; ++pos) {
        Combo1[pos].SetToolTipText(tips.Combo1);
        Combo2[pos].SetToolTipText(tips.Combo2);
        Combo3[pos].SetToolTipText(tips.Combo3);
        MSFlexGrid1[pos].SetToolTipText(tips.MSFlexGrid1);
        Combo4[pos].SetToolTipText(tips.Combo4);
        Combo5[pos].SetToolTipText(tips.Combo5);
    }
    Combo6.SetToolTipText(tips.Combo6);
    Combo7.SetToolTipText(tips.Combo7);
    Combo8.SetToolTipText(tips.Combo8);
    for (int k = 1; k <= 5; ++k)
        Command1[k].SetToolTipText(tips.Command1[k]);
    for (auto &button : Command2)
        button.SetToolTipText(tips.Command2);
}
