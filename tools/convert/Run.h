// The whole converter behind main(): arguments in, text out, exit status back.
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace Convert {

constexpr int ExitDone = 0;
constexpr int ExitWriteFailed = 1;
constexpr int ExitBadArguments = 2;

// args are the words after the program's name. Answers go to out; a bad
// command line gets one line on err.
int Run(const std::vector<std::string_view> &args, std::FILE *out, std::FILE *err);

} // namespace Convert
