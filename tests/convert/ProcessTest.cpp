// The real program as a shell sees it: exit status and which stream carries
// the answer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunProgram(const std::string &arguments) {
    // ctest runs each test as a process of its own, side by side: one file
    // per test.
    const std::string errPath = testing::TempDir() + "orvanta-convert-stderr-" +
                                testing::UnitTest::GetInstance()->current_test_info()->name() +
                                ".txt";
    const std::string command =
        std::string("'") + ORVANTA_CONVERT_PROGRAM + "' " + arguments + " 2>'" + errPath + "'";
    std::FILE *pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    Outcome outcome{-1, {}, {}};
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.out.append(buffer, count);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ostringstream err;
    err << std::ifstream(errPath).rdbuf();
    outcome.err = err.str();
    return outcome;
}

TEST(ConvertProgram, AnswersOnStandardOutputWithStatus0) {
    const Outcome outcome = RunProgram("gregorian 2000 1 1");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_THAT(outcome.out, testing::StartsWith("Julian Day  2451545\n"));
    EXPECT_EQ(outcome.err, "");
}

TEST(ConvertProgram, BadArgumentsGiveOneLineOnStandardErrorAndStatus2) {
    for (const char *arguments : {"jd 12x", "jd 99999999999", "--table 2 1", "--bogus", ""}) {
        SCOPED_TRACE(arguments);
        const Outcome outcome = RunProgram(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_THAT(outcome.err, testing::MatchesRegex("orvanta-convert: [^\n]+\n"));
    }
}

} // namespace
