// The event loop: input and timer ticks delivered one at a time on one thread.
#include "platform/runtime.h"

#include <algorithm>
#include <exception>
#include <iostream>

#include "platform/runtime_error.h"
#include "platform/window.h"

namespace platform {

namespace {

// Thrown by EndProgram and caught only by the event loop: the program stops
// at once, with no closing step for any window.
struct ProgramEnd {
    int status;
};

// Moves a timer's next tick past `now`, dropping the ticks it missed.
TimePoint nextSlotAfter(TimePoint due, TimePoint now) {
    if (due > now) return due;
    return due + TickPeriod * ((now - due) / TickPeriod + 1);
}

}  // namespace

Runtime::Runtime(Backend& backend, std::string title) : backend_(backend), title_(std::move(title)) {}

Runtime::~Runtime() = default;

void Runtime::addWindow(std::string_view name, WindowFactory create) {
    table_.push_back({std::string(name), std::move(create), nullptr});
}

Window& Runtime::window(std::string_view name) {
    for (TableEntry& entry : table_) {
        if (entry.name != name) continue;
        if (!entry.instance) entry.instance = entry.create(*this);
        return *entry.instance;
    }
    throw RuntimeError("no window " + std::string(name));
}

int Runtime::run(Window& first) {
    start(first);
    while (runUntil(TimePoint::max())) {
    }
    return exitStatus_;
}

template <typename Step>
void Runtime::guarded(Step step) {
    try {
        step();
    } catch (const ProgramEnd& end) {
        ended_ = true;
        exitStatus_ = end.status;
    } catch (const std::exception& error) {
        fail(error.what());
    }
}

void Runtime::start(Window& first) {
    guarded([&] {
        first.Show();
        redraw();
    });
}

bool Runtime::runUntil(TimePoint limit) {
    while (!ended_) {
        const TimePoint deadline = std::min(limit, nextTick());
        bool idle = false;
        // Waiting may draw what the window system lost, so it fails like any step.
        guarded([&] {
            const std::optional<InputEvent> event = backend_.waitEvent(deadline);
            if (event) {
                dispatch(*event);
            } else {
                fireDueTick();
            }
            redraw();
            idle = !event;
        });
        // Without input, nothing more can happen before the limit.
        if (idle && (deadline == TimePoint::max() || (backend_.now() >= limit && nextTick() > limit))) break;
    }
    return !ended_;
}

TimePoint Runtime::nextTick() const {
    TimePoint next = TimePoint::max();
    for (const Window* window : open_) {
        if (window->design().timer.intervalMs > 0) next = std::min(next, window->nextTick_);
    }
    return next;
}

Window* Runtime::activeWindow() const { return open_.empty() ? nullptr : open_.back(); }

void Runtime::fireDueTick() {
    const TimePoint now = backend_.now();
    for (Window* window : open_) {
        if (window->design().timer.intervalMs > 0 && window->nextTick_ <= now) {
            window->nextTick_ = nextSlotAfter(window->nextTick_ + TickPeriod, now);
            window->Timer1_Timer();
            return;
        }
    }
}

void Runtime::dispatch(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::Quit) EndProgram();
    Window* window = event.window ? event.window : activeWindow();
    if (!window || !window->isOpen()) return;
    switch (event.kind) {
        case InputEvent::Kind::KeyDown: {
            std::int16_t keyCode = event.keyCode;
            std::int16_t shift = event.shift;
            window->Form_KeyDown(keyCode, shift);
            break;
        }
        case InputEvent::Kind::MouseMove:
            window->MouseMove(window->elementAt(event.x, event.y));
            break;
        case InputEvent::Kind::MouseDown:
            window->pressed_ = window->elementAt(event.x, event.y);
            break;
        case InputEvent::Kind::MouseUp: {
            Element* pressed = std::exchange(window->pressed_, nullptr);
            Element* released = window->elementAt(event.x, event.y);
            if (pressed && pressed == released) window->Click(*released);
            break;
        }
        case InputEvent::Kind::Quit:
            break;
    }
}

void Runtime::redraw() {
    for (Window* window : open_) {
        if (window->takeDirty()) backend_.draw(*window);
    }
}

void Runtime::fail(const std::string& message) {
    std::cerr << message << std::endl;
    ended_ = true;
    exitStatus_ = 1;
    try {
        backend_.showMessageBox(title_, message, MessageCritical);
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
    }
}

void Runtime::opened(Window& window) {
    open_.push_back(&window);
    backend_.openWindow(window);
}

void Runtime::closed(Window& window) {
    std::erase(open_, &window);
    backend_.closeWindow(window);
}

void Runtime::ShowMessage(std::string_view text, int code) {
    if (!backend_.showMessageBox(title_, text, code)) EndProgram();
    const TimePoint now = backend_.now();
    for (Window* window : open_) window->nextTick_ = nextSlotAfter(window->nextTick_, now);
}

void Runtime::EndProgram() { throw ProgramEnd{0}; }

std::string Runtime::ProgramFolder() { return backend_.programFolder(); }

std::int32_t Runtime::sndPlaySound(std::string_view path, std::uint32_t flags) {
    (void)flags;  // asynchronous play is the only kind there is here
    return backend_.playSound(std::string(path));
}

}  // namespace platform
