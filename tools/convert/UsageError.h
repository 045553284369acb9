// A command line the converter cannot answer: the message names what is wrong
// and the program ends with exit status 2.
#pragma once

#include <stdexcept>

namespace Convert {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace Convert
