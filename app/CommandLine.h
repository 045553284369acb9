// The windowed program's command line, answered before any window exists:
// - AnswerCommandLine(argc, argv): nothing for no arguments (the program starts its
//   windows); otherwise the exit status after answering: --help (-h) prints what the
//   program is and where it keeps its files, --version prints its version, both on
//   standard output with status 0; anything else gets one line on standard error and
//   status 2, so that a mistyped option never opens windows unasked.
#pragma once

#include <optional>

namespace App {

std::optional<int> AnswerCommandLine(int argc, char **argv);

} // namespace App
