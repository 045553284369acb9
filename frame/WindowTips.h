// The tooltips of a calendar window's controls, by the controls' names; a window
// copies them onto its controls (an empty text takes a tooltip off).
//  - MonthlyTips: the fields of every column share one text each; Command1(1..5)
//    one text per button, Command2 one text for all nine moon-phase buttons
//  - YearTips: Command1(1..9) one text per button, the rest one text each
//  - MoonTips: the picture and the moon's age
#pragma once

#include <QString>
#include <array>

struct MonthlyTips {
    QString Combo1;
    QString Combo2;
    QString Combo3;
    QString MSFlexGrid1;
    QString Combo4;
    QString Combo5;
    QString Combo6;
    QString Combo7;
    QString Combo8;
    std::array<QString, 6> Command1; // 1..5
    QString Command2;
};

struct YearTips {
    std::array<QString, 10> Command1; // 1..9
    QString Command2;
    QString MSFlexGrid1;
    QString Combo1;
};

struct MoonTips {
    QString Picture1;
    QString Label1;
};
