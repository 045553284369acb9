// The real program as a shell sees it: exit status and which stream carries
// the answer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string text;
};

// What the program writes to one stream, the other one dropped; no files, so
// that tests run side by side do not meet.
enum class Stream { Out, Err };

Outcome RunProgram(const std::string &arguments, Stream keep) {
    const char *drop = keep == Stream::Out ? " 2>/dev/null" : " 2>&1 >/dev/null";
    const std::string command =
        std::string("'") + ORVANTA_CONVERT_PROGRAM + "' " + arguments + drop;
    std::FILE *pipe = popen(command.c_str(), "r");
    Outcome outcome{-1, {}};
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.text.append(buffer, count);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(ConvertProgram, AnswersOnStandardOutputAndFaultsOnStandardError) {
    const char *const faultLine = "orvanta-convert: [^\n]+\n";
    const struct {
        const char *arguments;
        int status;
        const char *out; // regular expressions
        const char *err;
    } cases[] = {
        {"gregorian 2000 1 1", 0, "Julian Day  2451545\n(.|\n)*", ""},
        {"jd 12x", 2, "", faultLine},
        {"", 2, "", faultLine},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome out = RunProgram(c.arguments, Stream::Out);
        const Outcome err = RunProgram(c.arguments, Stream::Err);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(err.status, c.status);
        EXPECT_THAT(out.text, testing::MatchesRegex(c.out));
        EXPECT_THAT(err.text, testing::MatchesRegex(c.err));
    }
}

} // namespace
