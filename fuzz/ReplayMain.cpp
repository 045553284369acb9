// Runs a fuzz target over its saved inputs, for builds without libFuzzer: the
// argument is the folder of inputs. A fault aborts (sanitizers, round-trip
// checks), so passing means every input ran clean.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv) {
    int inputs = 0;
    for (const auto &entry : std::filesystem::directory_iterator(argc > 1 ? argv[1] : "")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
        ++inputs;
    }
    std::printf("%d inputs ran clean\n", inputs);
    return inputs > 0 ? 0 : 1;
}
