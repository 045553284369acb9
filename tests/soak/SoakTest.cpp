// Thousands of random user events on the real monthly and moon windows
// (seeded, so a failure replays): clicks on days, keys in the fields, picks
// from the lists, typed Julian Days, today, the moon window opened and
// closed. After every event every column and the moon window show the day the
// engine holds (the Julian and Gregorian columns checked against independent
// calendars), and the memory in use does not grow.
//
// The short run belongs to every test run; the long one (100,000 events) is
// disabled and run by hand:
//   orvanta_test_soak --gtest_also_run_disabled_tests --gtest_filter='*Long*'
#include "support/IndependentDates.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/ProgramEnd.h"
#include "frame/SettingsTable.h"
#include "frame/Start.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "platform/FormRef.h"
#include "platform/Units.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/Clock.h"
#include "platform/core/Settings.h"
#include "yearwindows/YearWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <unistd.h>

namespace {

// Resident memory in kilobytes.
long ResidentKilobytes() {
    long pages = 0, resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryMeasurable = false; // the sanitizer holds freed memory back on purpose
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MemoryMeasurable = false;
#else
constexpr bool MemoryMeasurable = true;
#endif
#else
constexpr bool MemoryMeasurable = true;
#endif

class Soak : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(settings_.isValid());
        platform::SetSettingsFile(settings_.filePath("Orvanta.conf"));
        alerts_.emplace();
        platform::SetClock([] { return QDateTime(QDate(2024, 3, 14), QTime(9, 30)); });
        Frame::SetEndHandler([] {});
        ChangeCals::Reset();
        Start::ResetState();
        Start::ReadSettings();
        Start::FillColors();
        Start::FillColumnLeft();
        Start::StartEngineFromSettings();
        RegisterWindows({[] { return new MonthlyWindow(); },
                         [](int16_t cal) { return new YearWindow(cal); },
                         [] { return new MoonWindow(); }});
        Calc::CurrentJD = 2460384;
        ChangeCals::ChangeJD();
        Monthly().ReSetForm();
        Monthly().Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Monthly()));
    }

    void TearDown() override {
        platform::DestroyAllForms();
        ChangeCals::SetWindows(nullptr);
        Frame::SetEndHandler({});
        platform::SetClock({});
        alerts_.reset();
        platform::SetSettingsFile({});
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
        const QPoint at(platform::TwipsToPixels(grid.ColPos(col) + grid.ColWidth(col) / 2.0),
                        platform::TwipsToPixels(grid.RowPos(row) + grid.RowHeight(row) / 2.0));
        QTest::mouseClick(&grid, Qt::LeftButton, {}, at);
    }

    platform::ComboBox &AnyField() {
        MonthlyWindow &w = Monthly();
        const int pos = 1 + Pick(4);
        platform::ComboBox *fields[] = {&w.Combo2[pos], &w.Combo3[pos], &w.Combo4[pos],
                                        &w.Combo5[pos], &w.Combo6,      &w.Combo7};
        return *fields[Pick(6)];
    }

    void StepField() {
        platform::ComboBox &field = AnyField();
        if (!Shown(field)) return;
        field.setFocus();
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        QTest::keyClick(&field, keys[Pick(4)]);
    }

    void PickFromList() {
        platform::ComboBox &field = AnyField();
        if (!Shown(field)) return;
        field.setFocus();
        if (field.isEditable()) QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
        QTest::keyClick(&field, Qt::Key_F4);
        QAbstractItemView *view = field.view();
        if (!QTest::qWaitFor([&] { return view->isVisible(); }, 1000)) return;
        view->setCurrentIndex(view->model()->index(Pick(field.ListCount()), 0));
        QTest::keyClick(view, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }, 1000));
    }

    void TypeJulianDay() {
        platform::ComboBox &field = Monthly().Combo8;
        QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
        field.lineEdit()->selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        // Now and then one outside the range, which the window refuses.
        const int32_t jd = std::uniform_int_distribution<int32_t>(
            Calc::MinJD[Calc::Julian] - 50, Calc::MaxJD[Calc::Julian] + 50)(random_);
        QTest::keyClicks(&field, QString::number(jd));
        QTest::keyClick(&field, Qt::Key_Return);
        if (jd < Calc::MinJD[Calc::Julian] || jd > Calc::MaxJD[Calc::Julian]) {
            // The refused value is corrected the way a user would: back to the day shown.
            field.lineEdit()->selectAll();
            QTest::keyClicks(&field, QString::number(Calc::CurrentJD));
            QTest::keyClick(&field, Qt::Key_Return);
        }
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

    void RandomEvent() {
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2:
            ClickDay();
            break;
        case 3:
        case 4:
        case 5:
            StepField();
            break;
        case 6:
        case 7:
            PickFromList();
            break;
        case 8:
            TypeJulianDay();
            break;
        default:
            if (Pick(2) == 0)
                QTest::mouseClick(&Monthly().Command1[2], Qt::LeftButton);
            else
                ToggleMoon();
        }
    }

    // Every column and the moon window show the engine's day.
    ::testing::AssertionResult ShowsEngineDay() {
        const int32_t jd = Calc::CurrentJD;
        MonthlyWindow &w = Monthly();
        if (!w.Combo8.hasFocus() && w.Combo8.Text() != QString::number(jd))
            return testing::AssertionFailure()
                   << "Julian Day field " << w.Combo8.Text().toStdString() << ", engine " << jd;
        if (w.Combo6.Text() != WeekDayNameOf(jd))
            return testing::AssertionFailure() << "week day " << w.Combo6.Text().toStdString();
        const CalendarDay known[] = {{}, JulianOf(jd), GregorianOf(jd)};
        for (int pos = 1; pos <= 4; ++pos) {
            const int16_t cal = Start::ColumnCals[pos];
            if (jd < Calc::MinJD[cal]) continue;
            const int32_t *date = Calc::CalDates[cal];
            if (cal <= Calc::Gregorian &&
                (date[Calc::Day] != known[cal].Day || date[Calc::Month] != known[cal].Month ||
                 date[Calc::Year] != known[cal].Year))
                return testing::AssertionFailure()
                       << "engine's calendar " << cal << " is wrong at " << jd;
            if (w.Combo2[pos].Text() != QString::number(date[Calc::Year]))
                return testing::AssertionFailure()
                       << "column " << pos << " year " << w.Combo2[pos].Text().toStdString();
            if (!w.Combo3[pos].Text().startsWith(QString::number(date[Calc::Month]) + u'/'))
                return testing::AssertionFailure()
                       << "column " << pos << " month " << w.Combo3[pos].Text().toStdString();
            platform::MSFlexGrid &grid = w.MSFlexGrid1[pos];
            const int row = grid.Row(), col = grid.Col();
            QStringList highlighted;
            for (int r = 0; r < grid.Rows(); ++r)
                for (int c = 0; c < grid.Cols(); ++c) {
                    grid.SetRow(r);
                    grid.SetCol(c);
                    if (grid.CellBackColor() == Start::BackColors[Start::SelectedDayBack])
                        highlighted << grid.TextMatrix(r, c);
                }
            grid.SetRow(row);
            grid.SetCol(col);
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
        if (MemoryMeasurable) {
            EXPECT_LT(highest - settled, 8 * 1024) << "memory grew";
        }
    }

    QTemporaryDir settings_;
    std::optional<platform::AlertRecorder> alerts_;
    std::mt19937 random_;
};

TEST_F(Soak, ShortRun) {
    Run(20261206, 200);
}

TEST_F(Soak, DISABLED_LongRun) {
    Run(12, 100000);
}

} // namespace
