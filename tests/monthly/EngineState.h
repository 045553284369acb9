// The engine, the language and the colours as the program starts them, with no
// window to refresh: what the monthly window's plain functions read.
#pragma once

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "frame/AppState.h"
#include "frame/Language.h"

#include <QString>
#include <ostream>

inline void StartEngine() {
    ChangeCals::Reset();
    Start::ResetState();
    Start::FillColors();
    Calc::StartEngine({});
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
