#include "RunCapture.h"

#include "tools/convert/Run.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

namespace Convert {

namespace {

// A FILE* writing into memory, read back when closed.
class MemoryStream {
  public:
    MemoryStream() : file_(open_memstream(&data_, &size_)) {}
    ~MemoryStream() { std::free(data_); }
    MemoryStream(const MemoryStream &) = delete;
    MemoryStream &operator=(const MemoryStream &) = delete;

    std::FILE *File() const { return file_; }
    std::string Close() {
        std::fclose(file_);
        return std::string(data_, size_);
    }

  private:
    char *data_ = nullptr;
    size_t size_ = 0;
    std::FILE *file_;
};

} // namespace

Captured RunCaptured(const std::vector<std::string> &args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    MemoryStream out;
    MemoryStream err;
    const int status = Run(views, out.File(), err.File());
    return {status, out.Close(), err.Close()};
}

std::vector<std::string> SqueezedLines(const std::string &out) {
    std::vector<std::string> lines;
    std::istringstream stream(out);
    std::string line;
    while (std::getline(stream, line)) {
        std::string squeezed;
        for (char c : line) {
            if (c != ' ' || squeezed.empty() || squeezed.back() != ' ') squeezed += c;
        }
        lines.push_back(squeezed);
    }
    return lines;
}

} // namespace Convert
