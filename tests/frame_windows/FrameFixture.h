// A fresh program for every test: temporary settings, English texts, the colour
// tables, the end of the program, the clock and the alerts replaced by recorders,
// and fakes of the monthly, year and moon windows, each of a fixed size, that write
// each call into Calls as "<window>.<call>".
#pragma once

#include "frame/Windows.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/core/AlertRecorder.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Texts in failure messages as text, not as a row of bytes.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace FrameTesting {

inline std::vector<std::string> Calls;

inline void Log(const QObject &window, const std::string &call) {
    Calls.push_back(window.objectName().toStdString() + "." + call);
}

// The monthly window as the frame sees it: its exit button Command1(5) closes
// or ends as the real window's does.
class FakeMonthly final : public MonthlyForm {
  public:
    FakeMonthly();

    platform::ControlArray<platform::CommandButton, 1, 5> Command1;

    void SetCal(int16_t pos) override { Log(*this, "SetCal " + std::to_string(pos)); }
    void SetGrid(int16_t pos) override { Log(*this, "SetGrid " + std::to_string(pos)); }
    void SetCommonInfo() override { Log(*this, "SetCommonInfo"); }
    void ReSetForm() override { Log(*this, "ReSetForm"); }
    void FocusToday() override { Log(*this, "FocusToday"); }
    platform::CommandButton &ExitButton() override { return Command1[5]; }

  protected:
    void Form_Load() override;
    void Form_Unload() override;
};

class FakeYear final : public YearForm {
  public:
    explicit FakeYear(int16_t cal);

    platform::CommandButton Exit;

    void SetYearForm() override { Log(*this, "SetYearForm"); }
    platform::CommandButton &ExitButton() override { return Exit; }

  protected:
    void Form_Load() override;
    void Form_Unload() override;

  private:
    int16_t cal_;
};

class FakeMoon final : public MoonForm {
  public:
    FakeMoon();
    void ReSetForm() override { Log(*this, "ReSetForm"); }

  protected:
    void Form_Load() override;
};

// Every stored section's "Top" and "Left", as text ("absent" when missing).
using StoredPositions = std::map<QString, std::pair<QString, QString>>;
StoredPositions ReadStoredPositions();

class FrameTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The year windows the test runs with; the fakes unless a test needs the real.
    virtual YearForm *MakeYearWindow(int16_t cal);

    // The store as it was when the program ended, and how often it ended.
    int Ends = 0;
    StoredPositions PositionsAtEnd;
    QString StoreAtEnd;

    QString StoreText() const;

    QTemporaryDir Folder;
    platform::AlertRecorder Alerts;
};

} // namespace FrameTesting
