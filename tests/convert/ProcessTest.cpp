// The real program as a shell sees it when the arguments are wrong (the installed
// tree's check runs a good conversion): status 2, nothing on standard output, one
// line on standard error. The error stream goes to a folder of the test's own, so
// that tests run side by side do not meet.
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

TEST(ConvertProgram, NamesAFaultOnStandardErrorOnly) {
    char folder[] = "/tmp/orvanta-convert-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string err = std::string(folder) + "/err";
    const std::string command =
        std::string("'") + ORVANTA_CONVERT_PROGRAM + "' jd 12x 2>'" + err + "'";
    std::FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[64];
    EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, pipe), 0u);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::ostringstream said;
    said << std::ifstream(err).rdbuf();
    EXPECT_THAT(said.str(), testing::MatchesRegex("orvanta-convert: [^\n]+\n"));
    std::filesystem::remove_all(folder);
}

} // namespace
