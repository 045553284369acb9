#include "Run.h"

#include "Arguments.h"
#include "Conversion.h"
#include "DayFacts.h"
#include "DayReport.h"
#include "Table.h"
#include "Usage.h"
#include "UsageError.h"

namespace Convert {

namespace {

constexpr const char *ProgramName = "orvanta-convert";

void Write(std::FILE *out, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

void Answer(const Request &request, std::FILE *out) {
    switch (request.command) {
    case Command::Help:
        Write(out, UsageText());
        return;
    case Command::Version:
        Write(out, VersionText());
        return;
    case Command::Day:
        Convert::StartEngine(request.settings);
        ConvertDay(request);
        Write(out, FormatDay(ReadDayFacts()));
        return;
    case Command::Table:
        Convert::StartEngine(request.settings);
        CheckTableRange(request.firstJD, request.lastJD);
        WriteTable(request.firstJD, request.lastJD,
                   [out](std::string_view chunk) { Write(out, chunk); });
        return;
    }
}

} // namespace

int Run(const std::vector<std::string_view> &args, std::FILE *out, std::FILE *err) {
    try {
        Answer(ParseArguments(args), out);
    } catch (const UsageError &error) {
        std::fprintf(err, "%s: %s (see %s --help)\n", ProgramName, error.what(), ProgramName);
        return ExitBadArguments;
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "%s: the output could not be written\n", ProgramName);
        return ExitWriteFailed;
    }
    return ExitDone;
}

} // namespace Convert
