// The converter's whole command line: words separated by NUL bytes, answered
// on a sink. Whatever the words, it answers or refuses, and never crashes.
#include "FuzzCheck.h"

#include "tools/convert/Run.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool LongTable(const std::vector<std::string_view> &args) {
    constexpr long MaxLines = 100;
    const auto table = std::find(args.begin(), args.end(), "--table");
    if (table == args.end() || args.end() - table < 3) return false;
    const std::string first(table[1]), last(table[2]);
    // strtoll saturates where atol's overflow is undefined; the difference of two
    // saturated numbers needs more than 64 bits.
    const __int128 lines = static_cast<__int128>(std::strtoll(first.c_str(), nullptr, 10)) -
                           std::strtoll(last.c_str(), nullptr, 10);
    return lines > MaxLines || lines < -MaxLines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static std::FILE *const sink = std::fopen("/dev/null", "w");
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::vector<std::string_view> args;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\0', start), text.size());
        args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    // A table of every day in the range is a valid but slow answer; a few
    // words and short tables are enough to reach every branch.
    if (args.size() > 8 || LongTable(args)) return 0;
    const int status = Convert::Run(args, sink, sink);
    FUZZ_CHECK(status == Convert::ExitDone || status == Convert::ExitBadArguments);
    return 0;
}
