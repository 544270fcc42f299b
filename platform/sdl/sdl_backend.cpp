// The SDL2 backend: window lifetime, input and message boxes.
#include "platform/sdl/sdl_backend.h"

#include <SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/runtime_error.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl_backend_factory.h"
#include "platform/window.h"

namespace platform {

namespace {

// The window an event belongs to; 0 for none.
Uint32 windowOf(const SDL_Event& event) {
    switch (event.type) {
        case SDL_WINDOWEVENT: return event.window.windowID;
        case SDL_KEYDOWN:
        case SDL_KEYUP: return event.key.windowID;
        case SDL_TEXTINPUT: return event.text.windowID;
        case SDL_MOUSEMOTION: return event.motion.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: return event.button.windowID;
        case SDL_MOUSEWHEEL: return event.wheel.windowID;
        default: return 0;
    }
}

// Why SDL found no display: none named, or the X display named cannot be
// opened, in SDL's words and the system's.
std::string whyNoDisplay() {
    const char* display = SDL_getenv("DISPLAY");
    if (!display || !*display) return "set DISPLAY to an X server";
    SDL_VideoQuit();
    errno = 0;
    SDL_VideoInit("x11");
    const int cause = errno;
    std::string why = std::string("cannot open X display \"") + display + "\": " + SDL_GetError();
    if (cause) why += std::string(" (") + std::strerror(cause) + ")";
    return why;
}

}  // namespace

SdlBackend::Libraries::Libraries() {
    // Signals are the program's to handle, not SDL's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Present straight to the window: the GL path costs far more CPU for nothing.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // A window closed from its frame ends the program through its own event.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The click that activates a window counts, as it does on the desktop.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw std::runtime_error(std::string("no display: ") + SDL_GetError());
    }
    // Without a display SDL falls back to drawing off screen, where nobody
    // could play: only tests ask for that driver by name.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        const std::string why = whyNoDisplay();
        SDL_Quit();
        throw std::runtime_error("no display: " + why);
    }
    if (TTF_Init() != 0) {
        SDL_Quit();
        throw std::runtime_error(std::string("no font support: ") + TTF_GetError());
    }
    IMG_Init(IMG_INIT_PNG);
}

SdlBackend::Libraries::~Libraries() {
    IMG_Quit();
    TTF_Quit();
    SDL_Quit();
}

SdlBackend::SdlBackend() {
    const std::unique_ptr<char, FreeWith<SDL_free>> base(SDL_GetBasePath());
    if (!base) return;
    programFolder_ = base.get();
    while (programFolder_.size() > 1 && programFolder_.back() == '/') programFolder_.pop_back();
}

SdlScreen* SdlBackend::screenOf(const Window& window) {
    auto found = screens_.find(&window);
    return found == screens_.end() ? nullptr : found->second.get();
}

SdlScreen* SdlBackend::screenOf(Uint32 windowId) {
    for (auto& [window, screen] : screens_) {
        if (SDL_GetWindowID(screen->window()) == windowId) return screen.get();
    }
    return nullptr;
}

SdlScreen& SdlBackend::screen(const Window& window) {
    SdlScreen* screen = screenOf(window);
    if (!screen) throw RuntimeError(std::string(window.name()) + " is not open");
    return *screen;
}

PixelSize SdlBackend::usableArea() {
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) != 0) {
        throw RuntimeError(std::string("cannot measure the display: ") + SDL_GetError());
    }
    return {bounds.w, bounds.h};
}

void SdlBackend::openWindow(Window& window) {
    screens_[&window] = std::make_unique<SdlScreen>(window, pictures_);
    active_ = &window;
}

void SdlBackend::closeWindow(Window& window) {
    screens_.erase(&window);
    if (active_ == &window) active_ = nullptr;
}

void SdlBackend::draw(Window& window) {
    if (SdlScreen* screen = screenOf(window)) screen->draw();
}

std::optional<InputEvent> SdlBackend::waitEvent(TimePoint deadline) {
    for (;;) {
        SDL_Event event;
        const TimePoint now = Clock::now();
        int got = 0;
        if (deadline == TimePoint::max()) {
            got = SDL_WaitEvent(&event);
        } else if (deadline <= now) {
            return std::nullopt;
        } else {
            // Round up, so that the wait never ends before the tick is due.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
            got = SDL_WaitEventTimeout(&event, static_cast<int>(left.count()));
        }
        if (!got) continue;
        track(event);
        if (auto input = translate(event)) return input;
    }
}

std::optional<InputEvent> SdlBackend::translate(const SDL_Event& event) {
    InputEvent input;
    if (event.type == SDL_QUIT) {
        input.kind = InputEvent::Kind::Quit;
        return input;
    }
    SdlScreen* screen = screenOf(windowOf(event));
    if (!screen) return std::nullopt;
    input.window = &screen->owner();
    switch (event.type) {
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    input.kind = InputEvent::Kind::Quit;
                    return input;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    screen->resized();
                    return std::nullopt;
                case SDL_WINDOWEVENT_EXPOSED:
                    screen->drawWhole();
                    return std::nullopt;
                case SDL_WINDOWEVENT_ENTER:
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    screen->usePointer();
                    return std::nullopt;
                default:
                    return std::nullopt;
            }
        case SDL_KEYDOWN:
            input.kind = InputEvent::Kind::KeyDown;
            input.keyCode = virtualKeyCode(event.key.keysym);
            input.shift = shiftState(event.key.keysym.mod);
            if (input.keyCode == 0) return std::nullopt;
            return input;
        case SDL_MOUSEMOTION: {
            // Motion outside the client area, dragged out with a button held,
            // is no move over the window; nor is the motion onto the window's
            // edge that SDL reports just before the pointer leaves it.
            int width = 0, height = 0;
            SDL_GetWindowSize(screen->window(), &width, &height);
            const SDL_Point point{event.motion.x, event.motion.y};
            const SDL_Rect client{0, 0, width, height};
            SDL_Event next;
            const bool leaving = SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
                                 next.type == SDL_WINDOWEVENT && next.window.event == SDL_WINDOWEVENT_LEAVE &&
                                 next.window.windowID == event.motion.windowID;
            if (!SDL_PointInRect(&point, &client) || leaving) return std::nullopt;
            input.kind = InputEvent::Kind::MouseMove;
            input.x = static_cast<float>(event.motion.x);
            input.y = static_cast<float>(event.motion.y);
            return input;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
            input.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
            input.x = static_cast<float>(event.button.x);
            input.y = static_cast<float>(event.button.y);
            return input;
        default:
            return std::nullopt;
    }
}

bool SdlBackend::showMessageBox(std::string_view title, std::string_view text, int code) {
    SdlScreen* owner = active_ ? screenOf(*active_) : nullptr;
    bool closed = false;
    {
        MessageBox box(pictures_, owner ? owner->window() : nullptr, title, text, code, keysDown_);
        closed = waitForBox(box);
    }
    // The keyboard goes back to the owner, which a window system without a
    // window manager would not do by itself, and so does its pointer.
    if (owner) {
        SDL_SetWindowInputFocus(owner->window());
        owner->usePointer();
    }
    // Input meant for the box must not reach whatever window comes next; its
    // keys still count for which keys are down.
    SDL_PumpEvents();
    for (SDL_Event event; SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_KEYDOWN, SDL_MOUSEWHEEL) == 1;) track(event);
    return closed;
}

// The box's own loop: the box sees every event first, the program's windows
// are drawn again where the window system lost them and bring the box back
// when the player activates them, and their input is discarded. False if
// the window system asked the program to end.
bool SdlBackend::waitForBox(MessageBox& box) {
    for (;;) {
        SDL_Event event;
        if (!SDL_WaitEvent(&event)) throw RuntimeError(std::string("cannot wait for the message box: ") + SDL_GetError());
        track(event);
        if (event.type == SDL_QUIT) return false;
        if (box.closedBy(event)) return true;
        SdlScreen* screen = screenOf(windowOf(event));
        if (!screen || event.type != SDL_WINDOWEVENT) continue;
        switch (event.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                return false;
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                screen->resized();
                break;
            case SDL_WINDOWEVENT_EXPOSED:
                screen->drawWhole();
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
            case SDL_WINDOWEVENT_RESTORED:
                box.bringBack();
                break;
            default:
                break;
        }
    }
}

void SdlBackend::track(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        keysDown_[static_cast<std::size_t>(event.key.keysym.scancode)] = event.type == SDL_KEYDOWN;
    }
}

std::int32_t SdlBackend::playSound(const std::string& path) {
    return audio_.play(nativeSoundPath(programFolder_, path));
}

std::string SdlBackend::programFolder() {
    if (programFolder_.empty()) throw RuntimeError("cannot find the program's folder");
    return programFolder_;
}

}  // namespace platform

std::unique_ptr<platform::Backend> platform::createSdlBackend() { return std::make_unique<SdlBackend>(); }

void platform::exitAtOnce(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}
