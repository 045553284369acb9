// The real program as a shell sees it: exit status and which stream carries
// the answer. Each run keeps its error stream in a folder of its own, so that
// tests run side by side do not meet.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(ConvertProgram, AnswersOnStandardOutputAndFaultsOnStandardError) {
    char folder[] = "/tmp/orvanta-convert-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string err = std::string(folder) + "/err";
    const struct {
        const char *arguments;
        int status;
        const char *out; // regular expressions
        const char *err;
    } cases[] = {
        {"gregorian 2000 1 1", 0, "Julian Day  2451545\n(.|\n)*", ""},
        {"jd 12x", 2, "", "orvanta-convert: [^\n]+\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const std::string command =
            std::string("'") + ORVANTA_CONVERT_PROGRAM + "' " + c.arguments + " 2>'" + err + "'";
        std::FILE *pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string out;
        char buffer[4096];
        for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, count);
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.status);
        EXPECT_THAT(out, testing::MatchesRegex(c.out));
        std::ostringstream said;
        said << std::ifstream(err).rdbuf();
        EXPECT_THAT(said.str(), testing::MatchesRegex(c.err));
    }
    std::filesystem::remove_all(folder);
}

} // namespace
