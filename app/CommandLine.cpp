#include "CommandLine.h"

#include "platform/core/Program.h"
#include "platform/core/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <string>
#include <vector>

namespace App {

namespace {

constexpr int ExitBadArguments = 2;

void PrintHelp() {
    std::printf("Usage: orvanta [--help | --version]\n"
                "\n"
                "Orvanta shows one selected day at once in the Julian, Gregorian, Jewish and\n"
                "Moslem calendars: a monthly window, four year windows and a moon window.\n"
                "Started without arguments it opens the window chosen in its options.\n"
                "\n"
                "Options:\n"
                "  -h, --help  show this text and exit\n"
                "  --version   show the version and exit\n"
                "\n"
                "Language files (NAME.lng) and the moon picture are read from\n"
                "  %s\n"
                "Options and window positions are kept in\n"
                "  %s\n",
                qPrintable(QDir::toNativeSeparators(platform::ProgramFolder())),
                qPrintable(QDir::toNativeSeparators(platform::SettingsFile())));
}

void PrintVersion() {
    std::printf("orvanta %s\n", qPrintable(platform::ProgramVersion()));
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char **argv) {
    if (argc <= 1) return std::nullopt;
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The program's folder is found from the running executable, which needs an
    // application object; a core one needs no display.
    QCoreApplication core(argc, argv);
    const std::string &first = args.front();
    if (args.size() == 1 && (first == "--help" || first == "-h")) {
        PrintHelp();
        return 0;
    }
    if (args.size() == 1 && first == "--version") {
        PrintVersion();
        return 0;
    }
    // Either the first word is no option of ours, or an option of ours has company.
    const bool known = first == "--help" || first == "-h" || first == "--version";
    std::fprintf(stderr, "orvanta: unexpected argument '%s' (see orvanta --help)\n",
                 (known ? args[1] : first).c_str());
    return ExitBadArguments;
}

} // namespace App
