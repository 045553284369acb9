#include "moon/MoonWindow.h"

void MoonWindow::SetTips(const MoonTips &tips) {
    Picture1.SetToolTipText(tips.Picture1);
    Label1.SetToolTipText(tips.Label1);
}
