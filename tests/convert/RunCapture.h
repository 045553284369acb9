// Runs the converter in-process and keeps what it wrote to each stream.
#pragma once

#include "tools/convert/Run.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace Convert {

struct Captured {
    int status;
    std::string out;
    std::string err;
};

// A FILE* writing into memory, read back when closed.
struct MemoryStream {
    char *data = nullptr;
    size_t size = 0;
    std::FILE *file = open_memstream(&data, &size);

    std::string Close() {
        std::fclose(file);
        std::string text(data, size);
        std::free(data);
        return text;
    }
};

inline Captured RunCaptured(const std::vector<std::string> &args) {
    MemoryStream out;
    MemoryStream err;
    const int status = Run({args.begin(), args.end()}, out.file, err.file);
    return {status, out.Close(), err.Close()};
}

} // namespace Convert
