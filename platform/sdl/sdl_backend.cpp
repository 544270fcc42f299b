// The SDL2 backend: window lifetime, input and message boxes.
#include "platform/sdl/sdl_backend.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/runtime_error.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/signals.h"
#include "platform/sdl/x11_errors.h"
#include "platform/sdl_backend_factory.h"
#include "platform/sound_file.h"
#include "platform/window.h"

namespace platform {

SdlBackend::SdlBackend() {
    tolerateLateWakeups();
    endProgramOnSignals();
    // Present straight to the window: the GL path costs far more CPU for nothing.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw std::runtime_error(std::string("no display: ") + SDL_GetError());
    }
    // Without a display SDL falls back to drawing off screen, where nobody
    // could play: only tests ask for that driver by name.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        SDL_Quit();
        throw std::runtime_error("no display: set DISPLAY to an X server");
    }
    if (TTF_Init() != 0) throw std::runtime_error(std::string("no font support: ") + TTF_GetError());
    IMG_Init(IMG_INIT_PNG);
    if (char* base = SDL_GetBasePath()) {
        programFolder_ = base;
        SDL_free(base);
        while (programFolder_.size() > 1 && programFolder_.back() == '/') programFolder_.pop_back();
    }
    pictures_ = std::make_unique<SdlPictures>();
    audio_ = std::make_unique<SdlAudio>();
}

SdlBackend::~SdlBackend() {
    screens_.clear();
    audio_.reset();
    pictures_.reset();
    IMG_Quit();
    TTF_Quit();
    SDL_Quit();
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

PixelSize SdlBackend::usableArea() {
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) != 0) {
        throw RuntimeError(std::string("cannot measure the display: ") + SDL_GetError());
    }
    return {bounds.w, bounds.h};
}

void SdlBackend::openWindow(Window& window) {
    screens_[&window] = std::make_unique<SdlScreen>(window, *pictures_);
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
        if (auto input = translate(event)) return input;
    }
}

std::optional<InputEvent> SdlBackend::translate(const SDL_Event& event) {
    InputEvent input;
    switch (event.type) {
        case SDL_QUIT:
            input.kind = InputEvent::Kind::Quit;
            return input;
        case SDL_WINDOWEVENT: {
            SdlScreen* screen = screenOf(event.window.windowID);
            if (!screen) return std::nullopt;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    input.kind = InputEvent::Kind::Quit;
                    return input;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    screen->draw();
                    return std::nullopt;
                case SDL_WINDOWEVENT_ENTER:
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    screen->usePointer();
                    return std::nullopt;
                default:
                    return std::nullopt;
            }
        }
        case SDL_KEYDOWN: {
            SdlScreen* screen = screenOf(event.key.windowID);
            input.keyCode = virtualKeyCode(event.key.keysym);
            if (!screen || input.keyCode == 0) return std::nullopt;
            input.kind = InputEvent::Kind::KeyDown;
            input.window = &screen->owner();
            input.shift = shiftState(event.key.keysym.mod);
            return input;
        }
        case SDL_MOUSEMOTION: {
            SdlScreen* screen = screenOf(event.motion.windowID);
            if (!screen) return std::nullopt;
            input.kind = InputEvent::Kind::MouseMove;
            input.window = &screen->owner();
            input.x = static_cast<float>(event.motion.x);
            input.y = static_cast<float>(event.motion.y);
            return input;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            SdlScreen* screen = screenOf(event.button.windowID);
            if (!screen || event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
            input.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown
                                                           : InputEvent::Kind::MouseUp;
            input.window = &screen->owner();
            input.x = static_cast<float>(event.button.x);
            input.y = static_cast<float>(event.button.y);
            return input;
        }
        default:
            return std::nullopt;
    }
}

void SdlBackend::showMessageBox(std::string_view title, std::string_view text, int code) {
    Uint32 flags = 0;
    if (code == MessageExclamation) flags = SDL_MESSAGEBOX_WARNING;
    if (code == MessageCritical) flags = SDL_MESSAGEBOX_ERROR;
    SdlScreen* owner = active_ ? screenOf(*active_) : nullptr;
    SDL_Window* parent = owner ? owner->window() : nullptr;
    SDL_ShowSimpleMessageBox(flags, std::string(title).c_str(), std::string(text).c_str(), parent);
    // Input meant for the box must not reach whatever window comes next.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
}

std::int32_t SdlBackend::playSound(const std::string& path) { return audio_->play(nativePath(path)); }

std::string SdlBackend::programFolder() {
    if (programFolder_.empty()) throw RuntimeError("cannot find the program's folder");
    return programFolder_;
}

std::vector<std::uint32_t> SdlBackend::capture(const Window& window, PixelSize& size) {
    SdlScreen* screen = screenOf(window);
    if (!screen) throw RuntimeError(std::string(window.name()) + " is not open");
    return screen->capture(size);
}

}  // namespace platform

std::unique_ptr<platform::Backend> platform::createSdlBackend() { return std::make_unique<SdlBackend>(); }

void platform::exitAtOnce(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}
