// The SDL2 backend for a program's entry, without showing SDL to the caller.
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

// Fails with a clear message when there is no display.
std::unique_ptr<Backend> createSdlBackend();

// Ends the process at once with `status`, with no closing step: the window
// system takes down the windows with the connection. Tearing them down
// first could race SDL's own late messages to them and fail the exit.
[[noreturn]] void exitAtOnce(int status);

}  // namespace platform
