// orvanta-convert: one day in the four calendars, or a table of many, from
// the same engine as the windowed program.
#include "Run.h"

int main(int argc, char **argv) {
    return Convert::Run(std::vector<std::string_view>(argv + 1, argv + argc), stdout, stderr);
}
