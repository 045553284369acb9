// The settings reader through start-up's reading: whatever the settings file
// holds, every setting reads inside its bounds, and writing them all back and
// reading again gives the same values (the writer keeps the rest of the file).
#include "FuzzFolder.h"

#include "engine/Calc.h"
#include "frame/AppState.h"
#include "frame/SettingsTable.h"
#include "platform/core/Settings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

namespace {

// Every setting's variable, to compare whole readings.
auto Snapshot() {
    return std::tuple(std::to_array(Start::ColumnCals), std::to_array(Calc::FirstWeekDay),
                      std::to_array(Start::WinTop), std::to_array(Start::WinLeft), Calc::MoslemType,
                      Start::StartupWindow, Start::ShowTips, Start::LanguageName);
}

void ReadAll() {
    Start::ResetState();
    Calc::Reset();
    Start::ReadSettings();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    platform::SetSettingsFile(WriteFuzzFile(QStringLiteral("Orvanta.conf"), data, size));
    ReadAll();
    const int16_t calendars[] = {1, 2, 3, 4};
    FUZZ_CHECK(std::is_permutation(calendars, calendars + 4, Start::ColumnCals + 1));
    for (int cal = 1; cal <= 4; ++cal)
        FUZZ_CHECK(Calc::FirstWeekDay[cal] >= 1 && Calc::FirstWeekDay[cal] <= 7);
    FUZZ_CHECK(Start::StartupWindow >= 0 && Start::StartupWindow <= 4);

    const auto read = Snapshot();
    Start::WriteOptions({Calc::MoslemType,
                         {0, Calc::FirstWeekDay[1], Calc::FirstWeekDay[2], Calc::FirstWeekDay[3],
                          Calc::FirstWeekDay[4]},
                         Start::LanguageName,
                         Start::StartupWindow,
                         Start::ShowTips});
    Start::WriteWindowPositions();
    Start::WriteColumnCals();
    ReadAll();
    FUZZ_CHECK(Snapshot() == read);
    return 0;
}
