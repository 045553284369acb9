// Orvanta, the windowed program: the windows are made known to the frame, start-up
// opens the startup window, and window events drive the program until it ends.
#include "CommandLine.h"
#include "ProgramWindows.h"

#include "artwork/Artwork.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "platform/App.h"
#include "platform/FormRef.h"
#include "platform/WidgetAlerts.h"

#include <QApplication>

int main(int argc, char **argv) {
    // --help and --version answer without a display; the windows take no arguments.
    if (const std::optional<int> answered = App::AnswerCommandLine(argc, argv)) return *answered;

    // Qt is given the program's name alone, so no toolkit option changes the program.
    int qtArgc = 1;
    char name[] = "orvanta";
    char *qtArgv[] = {name, nullptr};
    QApplication application(qtArgc, qtArgv);
    platform::InitApplication();
    platform::InstallWidgetAlerts();
    QApplication::setWindowIcon(Artwork::ProgramIcon());
    // The installed desktop entry: the desktop shows its name and icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvanta"));

    App::RegisterProgramWindows();
    Start::Main();
    const int code = QApplication::exec();

    // Whatever made the event loop return, the program has ended now: the windows
    // still in existence are taken down without their unload handlers reviving any.
    Frame::EndProgram();
    platform::DestroyAllForms();
    return code;
}
