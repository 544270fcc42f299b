// The X error handler that drops late wake-ups, and the modal state of a dialog.
#include "platform/sdl/x11.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "platform/sdl_backend_factory.h"

namespace platform {

namespace {

XErrorHandler previousHandler = nullptr;

int dropLateWakeups(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    if (error->error_code == BadMatch && error->request_code == X_SetInputFocus) return 0;
    return previousHandler(display, error);
}

}  // namespace

void tolerateLateWakeups() {
    // Installed once: a second call would make the handler call itself.
    if (!previousHandler) previousHandler = XSetErrorHandler(dropLateWakeups);
}

void markModal(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    // Before the window is mapped its state is a plain property; SDL has
    // already written its own atoms there, so this one is appended.
    const Atom modal = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
    XChangeProperty(display, info.info.x11.window, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeAppend, reinterpret_cast<const unsigned char*>(&modal), 1);
}

}  // namespace platform
