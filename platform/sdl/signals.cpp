// Signal handlers that end the program and any message box it shows. Only
// async-signal-safe calls run in the handler; its path is made beforehand.
#include "platform/sdl/signals.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

char childrenFile[64];  // the main thread's list of child processes

void killChildren() {
    const int file = ::open(childrenFile, O_RDONLY);
    if (file < 0) return;
    char text[256];
    const ssize_t length = ::read(file, text, sizeof text);
    ::close(file);
    pid_t pid = 0;
    for (ssize_t i = 0; i < length; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            pid = pid * 10 + (text[i] - '0');
        } else if (pid > 0) {
            ::kill(pid, SIGKILL);
            pid = 0;
        }
    }
}

extern "C" void endOnSignal(int) {
    killChildren();
    std::_Exit(0);
}

}  // namespace

void endProgramOnSignals() {
    std::snprintf(childrenFile, sizeof childrenFile, "/proc/self/task/%d/children", static_cast<int>(::getpid()));
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::signal(SIGINT, endOnSignal);
    std::signal(SIGTERM, endOnSignal);
}

}  // namespace platform
