// orvanta-screenshots <folder>: pictures of the program's windows for the README and
// the software centres, taken offscreen from the real start-up on a fixed day, with
// settings of its own and the build's program folder. Writes monthly.png,
// year-gregorian.png and moon.png into the folder.
#include "ProgramWindows.h"

#include "artwork/Artwork.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "frame/Windows.h"
#include "platform/App.h"
#include "platform/FormRef.h"
#include "platform/core/Clock.h"
#include "platform/core/Program.h"
#include "platform/core/Settings.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Full moon over Purim and the middle of Ramadan: every window has something to show.
const QDateTime PictureDay(QDate(2025, 3, 14), QTime(12, 0));

bool Save(platform::Form &window, const QDir &folder, const QString &name) {
    QApplication::processEvents();
    const QString file = folder.filePath(name);
    if (window.grab().save(file)) return true;
    std::fprintf(stderr, "orvanta-screenshots: %s could not be written\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::InitApplication();
    QApplication::setWindowIcon(Artwork::ProgramIcon());
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir settings;
    if (!folder.mkpath(QStringLiteral(".")) || !settings.isValid()) {
        std::fprintf(stderr, "orvanta-screenshots: no folder to write to\n");
        return 1;
    }
    platform::SetSettingsFile(settings.filePath(QStringLiteral("Orvanta.conf")));
    platform::SetProgramFolder(QStringLiteral(ORVANTA_PROGRAM_DIR));
    // The day is fixed; the time runs, for start-up waits on it.
    const QDateTime started = QDateTime::currentDateTime();
    platform::SetClock(
        [started] { return PictureDay.addMSecs(started.msecsTo(QDateTime::currentDateTime())); });

    App::RegisterProgramWindows();
    Start::Main();
    bool saved = Save(*frmMonthlyCal, folder, QStringLiteral("monthly.png"));
    frmGregorian->SetYearForm();
    frmGregorian->Show();
    saved = Save(*frmGregorian, folder, QStringLiteral("year-gregorian.png")) && saved;
    frmMoon->ReSetForm();
    frmMoon->Show();
    saved = Save(*frmMoon, folder, QStringLiteral("moon.png")) && saved;

    Frame::EndProgram();
    platform::DestroyAllForms();
    return saved ? 0 : 1;
}
