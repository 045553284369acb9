// Thousands of random user events on the real monthly and moon windows
// (seeded, so a failure replays): clicks on days, keys in the fields, typed
// Julian Days, today, the moon window opened and
// closed. After every event every column and the moon window show the day the
// engine holds (whose dates the whole-range walk checks), and the memory in use
// does not grow.
//
// The short run belongs to every test run; the long one (100,000 events) is
// disabled and run by hand:
//   orvanta_test_soak --gtest_also_run_disabled_tests --gtest_filter='*Long*'
#include "support/GridDriving.h"
#include "support/ProgramTest.h"

#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "yearwindows/YearWindow.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace {

// Resident memory in kilobytes.
long ResidentKilobytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public ProgramTest {
  protected:
    static constexpr int32_t Today = 2460384; // 14 March 2024, the clock's day

    void SetUp() override {
        ProgramTest::SetUp();
        RegisterWindows({[] { return new MonthlyWindow(); },
                         [](int16_t cal) { return new YearWindow(cal); },
                         [] { return new MoonWindow(); }});
        // Start-up as the program runs it, the splash's wait on a clock that sleeps at once.
        platform::SetSteadyClock({[this] { return now_; }, [this](qint64 ms) { now_ += ms; }});
        Start::Main();
        ASSERT_EQ(Calc::CurrentJD, Today);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Monthly()));
    }

    static MonthlyWindow &Monthly() { return static_cast<MonthlyWindow &>(frmMonthlyCal.Get()); }
    static MoonWindow &Moon() { return static_cast<MoonWindow &>(frmMoon.Get()); }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    static bool Shown(QWidget &control) { return control.isVisible() && control.isEnabled(); }

    void ClickDay() {
        platform::MSFlexGrid &grid = Monthly().MSFlexGrid1[1 + Pick(4)];
        if (!Shown(grid)) return;
        const int row = 1 + Pick(grid.Rows() - 1);
        const int col = 1 + Pick(grid.Cols() - 1);
        if (grid.TextMatrix(row, col).isEmpty()) return;
        QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, row, col));
    }

    void StepField() {
        MonthlyWindow &w = Monthly();
        const int pos = 1 + Pick(4);
        platform::ComboBox *fields[] = {&w.Combo2[pos], &w.Combo3[pos], &w.Combo4[pos],
                                        &w.Combo5[pos], &w.Combo6,      &w.Combo7};
        platform::ComboBox &field = *fields[Pick(6)];
        if (!Shown(field)) return;
        field.setFocus();
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        QTest::keyClick(&field, keys[Pick(4)]);
    }

    void TypeJulianDay(int32_t jd) {
        platform::ComboBox &field = Monthly().Combo8;
        QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
        field.lineEdit()->selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, QString::number(jd));
        QTest::keyClick(&field, Qt::Key_Return);
    }

    void TypeJulianDay() {
        // Now and then one outside the range, which the window refuses.
        const int32_t jd = std::uniform_int_distribution<int32_t>(
            Calc::MinJD[Calc::Julian] - 50, Calc::MaxJD[Calc::Julian] + 50)(random_);
        TypeJulianDay(jd);
        // The refused value is corrected the way a user would: back to the day shown.
        if (jd < Calc::MinJD[Calc::Julian] || jd > Calc::MaxJD[Calc::Julian])
            TypeJulianDay(Calc::CurrentJD);
    }

    void ToggleMoon() {
        if (frmMoon.Exists() && Moon().isVisible()) {
            QTest::keyClick(&Moon(), Qt::Key_Escape);
        } else {
            for (int phase = 0; phase <= 8; ++phase) {
                if (Monthly().Command2[phase].isVisible())
                    QTest::mouseClick(&Monthly().Command2[phase], Qt::LeftButton);
            }
        }
        QApplication::setActiveWindow(&Monthly());
    }

    void PressToday() {
        QTest::mouseClick(&Monthly().Command1[2], Qt::LeftButton);
        EXPECT_EQ(Calc::CurrentJD, Today);
    }

    void RandomEvent() {
        using Event = void (Soak::*)();
        static constexpr Event Events[] = {
            &Soak::ClickDay,  &Soak::ClickDay,      &Soak::ClickDay,   &Soak::StepField,
            &Soak::StepField, &Soak::TypeJulianDay, &Soak::PressToday, &Soak::ToggleMoon};
        (this->*Events[Pick(std::size(Events))])();
    }

    // Every column and the moon window show the engine's day.
    ::testing::AssertionResult ShowsEngineDay() {
        const int32_t jd = Calc::CurrentJD;
        MonthlyWindow &w = Monthly();
        if (!w.Combo8.hasFocus() && w.Combo8.Text() != QString::number(jd))
            return testing::AssertionFailure()
                   << "Julian Day field " << w.Combo8.Text().toStdString() << ", engine " << jd;
        if (w.Combo6.Text() != QDate::fromJulianDay(jd).toString("dddd"))
            return testing::AssertionFailure() << "week day " << w.Combo6.Text().toStdString();
        for (int pos = 1; pos <= 4; ++pos) {
            const int16_t cal = Start::ColumnCals[pos];
            if (jd < Calc::MinJD[cal]) continue;
            const int32_t *date = Calc::CalDates[cal];
            if (w.Combo2[pos].Text() != QString::number(date[Calc::Year]))
                return testing::AssertionFailure()
                       << "column " << pos << " year " << w.Combo2[pos].Text().toStdString();
            if (!w.Combo3[pos].Text().startsWith(QString::number(date[Calc::Month]) + u'/'))
                return testing::AssertionFailure()
                       << "column " << pos << " month " << w.Combo3[pos].Text().toStdString();
            const QStringList highlighted = SelectedCellNames(w.MSFlexGrid1[pos]);
            if (highlighted != QStringList{QString::number(date[Calc::Day])})
                return testing::AssertionFailure()
                       << "column " << pos << " highlights " << highlighted.join(',').toStdString();
        }
        if (frmMoon.Exists() && Moon().isVisible() &&
            Moon().Label1.Caption() != QString::number(ChangeCals::MoonAge, 'f', 1))
            return testing::AssertionFailure()
                   << "moon age " << Moon().Label1.Caption().toStdString();
        return testing::AssertionSuccess();
    }

    void Run(unsigned seed, int events) {
        random_.seed(seed);
        long settled = 0;
        long highest = 0;
        for (int event = 1; event <= events; ++event) {
            RandomEvent();
            // A running program turns its event loop between user events; without
            // that turn the updates Qt posts on every show and repaint pile up in
            // the queue and look like a leak.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_TRUE(ShowsEngineDay()) << "seed " << seed << ", event " << event;
            // Caches and pools fill during the first events; after that the
            // memory in use must stay flat.
            if (event == std::min(events / 4, 2000)) settled = ResidentKilobytes();
            highest = std::max(highest, ResidentKilobytes());
        }
        std::printf("%d events, resident memory %ld kB after warm-up, at most %ld kB\n", events,
                    settled, highest);
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer holds freed memory back on purpose
        EXPECT_LT(highest - settled, 8 * 1024) << "memory grew";
#endif
    }

    std::mt19937 random_;
    qint64 now_ = 0;
};

TEST_F(Soak, ShortRun) {
    Run(20261206, 200);
}

TEST_F(Soak, DISABLED_LongRun) {
    Run(12, 100000);
}

} // namespace
