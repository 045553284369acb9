#include "engine/StartEngine.h"

#include "engine/Calc.h"
#include "engine/Texts.h"

namespace Calc {

void StartEngine(const EngineSettings &settings) {
    Reset();
    InitCalendarTables();
    Texts::LoadEnglish();
    MoslemType = settings.moslemType;
    SetMoslemType();
    for (int16_t cal = Julian; cal <= Moslem; ++cal)
        FirstWeekDay[cal] = settings.firstWeekDay[cal - 1];
}

} // namespace Calc
