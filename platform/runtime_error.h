// The run-time error: what a failed property access, window operation or
// floating-point fault raises. The event loop shows it and ends the program.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& what)
        : std::runtime_error("Run-time error: " + what) {}
};

}  // namespace platform
