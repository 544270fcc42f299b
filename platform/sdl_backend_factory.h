// The SDL2 backend for a program's entry, without showing SDL to the caller:
// the backend, and the process policy that only the entry sets.
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

// Fails with a clear message when there is no display. It leaves the
// process's signal handling as it finds it.
std::unique_ptr<Backend> createSdlBackend();

// SDL wakes its own event wait by sending an event to a window over a
// second X connection; when the program destroys that window first, the
// server answers BadWindow, and Xlib's default handler would end the
// program with status 1. Such errors are dropped, as is a focus request
// that reaches a window the window manager has just taken off the screen;
// every other X error goes to the handler that was there before. Safe to
// call more than once.
void tolerateLateWakeups();

// Ends the process at once with `status`, with no closing step: the window
// system takes down the windows with the connection. Tearing them down
// first could race SDL's own late messages to them and fail the exit.
[[noreturn]] void exitAtOnce(int status);

}  // namespace platform
