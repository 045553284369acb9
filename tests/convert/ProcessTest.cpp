// The real program as a shell sees it when the arguments are wrong (the installed
// tree's check runs a good conversion): status 2, nothing on standard output, one
// line on standard error. Both streams go to files in a folder of the test's own, so
// that tests run side by side do not meet.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(ConvertProgram, NamesAFaultOnStandardErrorOnly) {
    char folder[] = "/tmp/orvanta-convert-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string out = std::string(folder) + "/out", err = std::string(folder) + "/err";
    const int status = std::system(
        ("'" ORVANTA_CONVERT_PROGRAM "' jd 12x >'" + out + "' 2>'" + err + "'").c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(std::filesystem::file_size(out), 0u);
    std::ostringstream said;
    said << std::ifstream(err).rdbuf();
    EXPECT_THAT(said.str(), testing::MatchesRegex("orvanta-convert: [^\n]+\n"));
    std::filesystem::remove_all(folder);
}

} // namespace
