// The moon window under test: English texts, the engine's tables, stand-in monthly
// and year windows, every message box recorded, and a program folder of its own
// that holds a plain test moon unless a test asks for none.
#pragma once

#include "frame/Windows.h"
#include "moon/MoonWindow.h"
#include "platform/CommandButton.h"
#include "platform/core/AlertRecorder.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace MoonTest {

// The monthly window as far as the moon window reaches it.
class FakeMonthly final : public MonthlyForm {
  public:
    FakeMonthly();

    void SetCal(int16_t) override {}
    void SetGrid(int16_t) override {}
    void SetCommonInfo() override {}
    void ReSetForm() override;
    void FocusToday() override {}
    platform::CommandButton &ExitButton() override { return Command1_5; }

    platform::CommandButton Command1_5;
    int ReSetForms = 0;
    bool ShownAtReSetForm = false;
};

class FakeYear final : public YearForm {
  public:
    FakeYear();

    void SetYearForm() override {}
    platform::CommandButton &ExitButton() override { return Command1_6; }

    platform::CommandButton Command1_6;
};

// The test moon: a white disc filling the picture, on the sky colour of the real one.
QImage TestMoon();

class MoonWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Whether the program folder holds a "Moon.bmp".
    virtual bool WithBitmap() const { return true; }

    // The window, created (and loaded) on first use.
    static MoonWindow &Moon();
    static FakeMonthly &Monthly();
    // The window at a given moon age.
    static void ShowAge(float age);
    // Picture1 as drawn, one image pixel per device-independent pixel.
    static QImage Drawn();

    platform::AlertRecorder alerts;
    QTemporaryDir folder;
};

class MoonWindowWithoutBitmap : public MoonWindowTest {
  protected:
    bool WithBitmap() const override { return false; }
};

} // namespace MoonTest
