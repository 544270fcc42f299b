// Makes the SDL2 backend without showing SDL to the caller.
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

// Fails with a clear message when there is no display.
std::unique_ptr<Backend> createSdlBackend();

}  // namespace platform
