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

#include "app/ProgramWindows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"

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
        App::RegisterProgramWindows();
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

    // The moon button in front is the one of the day's phase.
    void ToggleMoon() {
        if (frmMoon.Exists() && Moon().isVisible())
            QTest::keyClick(&Moon(), Qt::Key_Escape);
        else
            QTest::mouseClick(&Monthly().Command2[ChangeCals::MoonPhase], Qt::LeftButton);
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

    // What the columns and the moon window show of the day (the Julian Day field only
    // when the user is not typing in it), beside what they should show of the engine's.
    std::pair<std::string, std::string> ShownAndEngineDay() {
        MonthlyWindow &w = Monthly();
        const int32_t jd = Calc::CurrentJD;
        QString shown = w.Combo6.Text(), engine = QDate::fromJulianDay(jd).toString("dddd");
        if (!w.Combo8.hasFocus()) {
            shown += " JD " + w.Combo8.Text();
            engine += " JD " + QString::number(jd);
        }
        for (int pos = 1; pos <= 4; ++pos) {
            const int16_t cal = Start::ColumnCals[pos];
            if (jd < Calc::MinJD[cal]) continue;
            const int32_t *date = Calc::CalDates[cal];
            shown += QString(" %1-%2-%3")
                         .arg(w.Combo2[pos].Text(), w.Combo3[pos].Text().section(u'/', 0, 0),
                              SelectedCellNames(w.MSFlexGrid1[pos]).join(','));
            engine += QString::asprintf(" %d-%d-%d", date[Calc::Year], date[Calc::Month],
                                        date[Calc::Day]);
        }
        if (frmMoon.Exists() && Moon().isVisible()) {
            shown += " moon " + Moon().Label1.Caption();
            engine += " moon " + QString::number(ChangeCals::MoonAge, 'f', 1);
        }
        return {shown.toStdString(), engine.toStdString()};
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
            const auto [shown, engine] = ShownAndEngineDay();
            ASSERT_EQ(shown, engine) << "seed " << seed << ", event " << event;
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
