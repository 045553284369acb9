// The engine, the language and the colours as the program starts them, with no
// window to refresh: what the monthly window's plain functions read.
#pragma once

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Language.h"

#include <QString>
#include <ostream>

inline void StartEngine() {
    Calc::Reset();
    ChangeCals::Reset();
    Start::ResetState();
    Start::FillColors();
    Calc::InitCalendarTables();
    for (int16_t cal = 1; cal <= 4; ++cal)
        Calc::FirstWeekDay[cal] = cal == Calc::Moslem ? 6 : 7;
    Calc::MoslemType = 1;
    Calc::SetMoslemType();
    QString language = "English (Default)";
    Start::LoadLanguage(language);
}

inline void GoTo(int32_t julianDay) {
    Calc::CurrentJD = julianDay;
    ChangeCals::ChangeJD();
}

inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
