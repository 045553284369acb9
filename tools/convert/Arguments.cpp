#include "Arguments.h"

#include "UsageError.h"

#include "engine/Calc.h"

#include <charconv>
#include <string>

namespace Convert {

namespace {

struct CalendarWord {
    std::string_view word;
    int16_t calendar;
};

constexpr CalendarWord CalendarWords[] = {
    {"julian", Calc::Julian},
    {"gregorian", Calc::Gregorian},
    {"jewish", Calc::Jewish},
    {"moslem", Calc::Moslem},
};

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

int32_t ParseNumber(std::string_view text, std::string_view what) {
    int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        throw UsageError(std::string(what) + " " + Quoted(text) + " is too large");
    }
    if (error != std::errc() || stop != end) {
        throw UsageError(std::string(what) + " " + Quoted(text) + " is not a whole number");
    }
    return value;
}

int16_t ParseMoslemType(std::string_view text) {
    if (text != "1" && text != "2") {
        throw UsageError("--moslem-type must be 1 or 2, not " + Quoted(text));
    }
    return text == "1" ? 1 : 2;
}

std::array<int16_t, 4> ParseFirstWeekDays(std::string_view text) {
    const auto bad = [&] {
        return UsageError("--first-week-day needs four week days 1..7 separated by commas "
                          "(Julian, Gregorian, Jewish, Moslem), not " +
                          Quoted(text));
    };
    std::array<int16_t, 4> days{};
    std::string_view rest = text;
    for (size_t i = 0; i < days.size(); ++i) {
        const size_t comma = rest.find(',');
        const bool last = i + 1 == days.size();
        if ((comma == std::string_view::npos) != last) throw bad();
        const std::string_view item = rest.substr(0, comma);
        if (item.size() != 1 || item[0] < '1' || item[0] > '7') throw bad();
        days[i] = static_cast<int16_t>(item[0] - '0');
        rest = last ? std::string_view() : rest.substr(comma + 1);
    }
    return days;
}

// "-5" is a (bad) number, "-x" and "--x" are options.
bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
}

// An option's value, written as "--name value" or "--name=value".
bool TakeOption(std::string_view name, const std::vector<std::string_view> &args, size_t &i,
                std::string_view &value) {
    const std::string_view arg = args[i];
    if (arg.substr(0, name.size()) != name) return false;
    if (arg.size() == name.size()) {
        if (i + 1 == args.size()) throw UsageError(std::string(name) + " needs a value");
        value = args[++i];
        return true;
    }
    if (arg[name.size()] != '=') return false;
    value = arg.substr(name.size() + 1);
    return true;
}

void ExpectCount(const std::vector<std::string_view> &words, size_t count, const char *form) {
    if (words.size() < count) throw UsageError(std::string("missing arguments: expected ") + form);
    if (words.size() > count) throw UsageError("unexpected argument " + Quoted(words[count]));
}

void ParseDay(const std::vector<std::string_view> &words, Request &request) {
    if (words.empty()) {
        throw UsageError("missing arguments: expected jd JULIAN_DAY, or a calendar "
                         "(julian, gregorian, jewish, moslem) with YEAR MONTH DAY");
    }
    request.command = Command::Day;
    if (words[0] == "jd") {
        ExpectCount(words, 2, "jd JULIAN_DAY");
        request.jd = ParseNumber(words[1], "Julian Day");
        return;
    }
    for (const CalendarWord &entry : CalendarWords) {
        if (words[0] == entry.word) {
            ExpectCount(words, 4, "a calendar with YEAR MONTH DAY");
            request.calendar = entry.calendar;
            request.year = ParseNumber(words[1], "year");
            request.month = ParseNumber(words[2], "month");
            request.day = ParseNumber(words[3], "day");
            return;
        }
    }
    throw UsageError("unknown command " + Quoted(words[0]) +
                     ": expected jd, julian, gregorian, jewish or moslem");
}

} // namespace

Request ParseArguments(const std::vector<std::string_view> &args) {
    Request request;
    bool table = false;
    std::vector<std::string_view> words;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        if (args[i] == "--help" || args[i] == "-h") {
            request.command = Command::Help;
            return request;
        }
        if (args[i] == "--version") {
            request.command = Command::Version;
            return request;
        }
        if (args[i] == "--table") {
            table = true;
        } else if (TakeOption("--moslem-type", args, i, value)) {
            request.settings.moslemType = ParseMoslemType(value);
        } else if (TakeOption("--first-week-day", args, i, value)) {
            request.settings.firstWeekDay = ParseFirstWeekDays(value);
        } else if (IsOption(args[i])) {
            throw UsageError("unknown option " + Quoted(args[i]));
        } else {
            words.push_back(args[i]);
        }
    }
    if (table) {
        ExpectCount(words, 2, "--table FIRST_JD LAST_JD");
        request.command = Command::Table;
        request.firstJD = ParseNumber(words[0], "first Julian Day");
        request.lastJD = ParseNumber(words[1], "last Julian Day");
    } else {
        ParseDay(words, request);
    }
    return request;
}

} // namespace Convert
