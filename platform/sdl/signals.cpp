// Signal handlers that end the program with status 0, message box and all.
#include "platform/sdl/signals.h"

#include <SDL.h>

#include <csignal>
#include <cstdlib>

namespace platform {

namespace {

extern "C" void endOnSignal(int) { std::_Exit(0); }

}  // namespace

void endProgramOnSignals() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::signal(SIGINT, endOnSignal);
    std::signal(SIGTERM, endOnSignal);
}

}  // namespace platform
