// The frame's tests: ProgramTest with stand-ins for the monthly, year and moon
// windows, each of a fixed size, placed, closed and counted as the real windows do,
// that write each refresh into Calls as "<window>.<call>".
#pragma once

#include "ProgramTest.h"
#include "frame/WindowManagement.h"
#include "frame/Windows.h"

#include <QFile>
#include <ostream>
#include <string>
#include <vector>

// Texts in failure messages as text, not as a row of bytes.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace FrameTesting {

inline std::vector<std::string> Calls;
inline int Created = 0; // stand-ins made since the test began

template <class Base> class Fake : public Base {
  public:
    Fake(const char *name, int16_t index, int width, int height)
        : Base(QString::fromLatin1(name)), index_(index) {
        ++Created;
        this->SetWidth(width);
        this->SetHeight(height);
    }
    void Log(const std::string &call) {
        Calls.push_back(this->objectName().toStdString() + "." + call);
    }

  protected:
    void Form_Load() override { Start::PlaceWindow(*this, index_); }
    const int16_t index_;
};

// A main window: its exit button's left click and its unloading as the real ones'.
template <class Base> class FakeMain : public Fake<Base> {
  public:
    FakeMain(const char *name, int16_t index, int width, int height, const char *exit)
        : Fake<Base>(name, index, width, height), Exit(this, QString::fromLatin1(exit)) {
        QObject::connect(&Exit, &platform::CommandButton::Click, this, [this, index] {
            Frame::CloseWindow(*this, index == Start::MonthlyWindowIndex ? 0 : index);
            Frame::UpdateExitTips();
        });
    }
    platform::CommandButton &ExitButton() override { return Exit; }
    platform::CommandButton Exit;

  protected:
    void Form_Unload() override {
        this->Hide();
        Frame::UpdateExitTips();
    }
};

class FakeMonthly final : public FakeMain<MonthlyForm> {
  public:
    FakeMonthly()
        : FakeMain("frmMonthlyCal", Start::MonthlyWindowIndex, 9000, 6000, "Command1_5") {}
    void SetCal(int16_t pos) override { Log("SetCal " + std::to_string(pos)); }
    void SetGrid(int16_t pos) override { Log("SetGrid " + std::to_string(pos)); }
    void SetCommonInfo() override { Log("SetCommonInfo"); }
    void ReSetForm() override { Log("ReSetForm"); }
    void FocusToday() override { Log("FocusToday"); }
};

class FakeYear final : public FakeMain<YearForm> {
  public:
    explicit FakeYear(int16_t cal) : FakeMain(Names[cal], cal, 6000, 4500, "Command1_6") {}
    void SetYearForm() override { Log("SetYearForm"); }
    void SetTips(const YearTips &tips) override { Exit.SetToolTipText(tips.Command1[6]); }
    static constexpr const char *Names[] = {"", "frmJulian", "frmGregorian", "frmJewish",
                                            "frmMoslem"};
};

class FakeMoon final : public Fake<MoonForm> {
  public:
    FakeMoon() : Fake("frmMoon", Start::MoonWindowIndex, 3300, 3300) {}
    void ReSetForm() override { Log("ReSetForm"); }
};

template <class... Refs> void Show(Refs &...windows) {
    (windows->Show(), ...);
}

class FrameTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Calls.clear();
        Created = 0;
        RegisterWindows({[] { return new FakeMonthly(); },
                         [this](int16_t cal) { return MakeYearWindow(cal); },
                         [] { return new FakeMoon(); }});
    }

    // The year windows the test runs with; the stand-ins unless a test needs the real.
    virtual YearForm *MakeYearWindow(int16_t cal) { return new FakeYear(cal); }

    // Every window's stored top and left, Julian, Gregorian, Jewish, Moslem, Monthly, Moon.
    static std::string StoredPositions() {
        QStringList all;
        for (const char *section : {"Julian", "Gregorian", "Jewish", "Moslem", "Monthly", "Moon"})
            all << platform::ReadSetting(section, "Top", "-") + " " +
                       platform::ReadSetting(section, "Left", "-");
        return all.join(", ").toStdString();
    }
    static QString StoreText() {
        QFile file(platform::SettingsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

} // namespace FrameTesting
