// The X error handler that drops late wake-ups.
#include "platform/sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform {

namespace {

XErrorHandler previousHandler = nullptr;

int dropLateWakeups(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return previousHandler(display, error);
}

}  // namespace

void tolerateLateWakeups() {
    // Installed once: a second call would make the handler call itself.
    if (!previousHandler) previousHandler = XSetErrorHandler(dropLateWakeups);
}

}  // namespace platform
