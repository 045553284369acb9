// Runs the converter in-process and keeps what it wrote to each stream.
#pragma once

#include <string>
#include <vector>

namespace Convert {

struct Captured {
    int status;
    std::string out;
    std::string err;
};

Captured RunCaptured(const std::vector<std::string> &args);

// The lines of out with every run of blanks made one blank, so that tests do
// not depend on column widths.
std::vector<std::string> SqueezedLines(const std::string &out);

} // namespace Convert
