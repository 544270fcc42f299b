// Keeps a harmless X error from ending the program.
#pragma once

namespace platform {

// SDL wakes its own event wait by sending an event to a window over a
// second X connection; when the program destroys that window first, the
// server answers BadWindow, and Xlib's default handler would end the
// program with status 1. Such errors are dropped; every other X error goes
// to the handler that was there before. Safe to call more than once.
void tolerateLateWakeups();

}  // namespace platform
