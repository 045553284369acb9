// Tests that run the program's windows as the program does: the settings in a
// temporary folder that is also the program's folder, message boxes and beeps
// recorded, the clock at 9:30 on 14 March 2024, the program's end counted, and the
// program prepared from those (empty) settings as start-up prepares it. The test
// registers the windows it wants; at its end the program ends as it does at exit.
#pragma once

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "platform/FormRef.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/Clock.h"
#include "platform/core/Program.h"
#include "platform/core/Settings.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform::SetSettingsFile(folder.filePath("Orvanta.conf"));
        platform::SetProgramFolder(folder.path());
        platform::SetClock([] { return QDateTime(QDate(2024, 3, 14), QTime(9, 30)); });
        alerts.emplace();
        Frame::SetEndHandler([this] { ++programEnds; });
        Start::StartWithoutSplash();
    }

    void TearDown() override {
        // The window procedures fall quiet first, so that taking the windows down
        // cannot bring any back.
        Frame::EndProgram();
        platform::DestroyAllForms();
        Frame::SetEndHandler({});
        ChangeCals::SetWindows(nullptr);
        alerts.reset();
        platform::SetClock({});
        platform::SetSteadyClock({});
        platform::SetProgramFolder({});
        platform::SetSettingsFile({});
    }

    // The selected day changed from outside the windows under test.
    static void GoTo(int32_t julianDay) {
        Calc::CurrentJD = julianDay;
        ChangeCals::ChangeJD();
    }
    static void GoTo(QDate date) { GoTo(static_cast<int32_t>(date.toJulianDay())); }

    QTemporaryDir folder;
    std::optional<platform::AlertRecorder> alerts;
    int programEnds = 0;
};
