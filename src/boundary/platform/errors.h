// Errors of the form runtime. A RuntimeError carries the description the
// runtime reports ("Overflow", ...). ProgramEnded is not an error: it unwinds
// every handler once the program has been ended, so it deliberately does not
// derive from std::exception and no handler's error trap catches it.
#pragma once

#include <stdexcept>
#include <string>

namespace ql {

class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ProgramEnded {};

}  // namespace ql
