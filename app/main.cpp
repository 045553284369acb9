// Orvanta, the windowed program: the windows are made known to the frame, start-up
// opens the startup window, and window events drive the program until it ends.
#include "artwork/Artwork.h"
#include "frame/ProgramEnd.h"
#include "frame/Start.h"
#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "platform/App.h"
#include "platform/FormRef.h"
#include "platform/WidgetAlerts.h"
#include "yearwindows/YearWindow.h"

#include <QApplication>

int main() {
    // The program takes no command line: Qt is given the program's name alone.
    int argc = 1;
    char name[] = "orvanta";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    platform::InitApplication();
    platform::InstallWidgetAlerts();
    QApplication::setWindowIcon(Artwork::ProgramIcon());

    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new YearWindow(cal); },
                     [] { return new MoonWindow(); }});
    Start::Main();
    const int code = QApplication::exec();

    // Whatever made the event loop return, the program has ended now: the windows
    // still in existence are taken down without their unload handlers reviving any.
    ChangeCals::EndProgram();
    platform::DestroyAllForms();
    return code;
}
