// The headless backend.
#include "platform/headless_backend.h"

#include <algorithm>

#include "platform/window.h"

namespace platform {

HeadlessBackend::HeadlessBackend(PixelSize usableArea) : usableArea_(usableArea) {}

void HeadlessBackend::queue(InputEvent::Kind kind, float x, float y) {
    InputEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    input_.push_back(event);
}

void HeadlessBackend::pressKey(std::int16_t keyCode, std::int16_t shift) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyDown;
    event.keyCode = keyCode;
    event.shift = shift;
    input_.push_back(event);
}

void HeadlessBackend::moveMouse(float x, float y) { queue(InputEvent::Kind::MouseMove, x, y); }
void HeadlessBackend::mouseDown(float x, float y) { queue(InputEvent::Kind::MouseDown, x, y); }
void HeadlessBackend::mouseUp(float x, float y) { queue(InputEvent::Kind::MouseUp, x, y); }

void HeadlessBackend::click(float x, float y) {
    mouseDown(x, y);
    mouseUp(x, y);
}

void HeadlessBackend::quit() { queue(InputEvent::Kind::Quit); }

std::optional<InputEvent> HeadlessBackend::waitEvent(TimePoint deadline) {
    if (!input_.empty()) {
        InputEvent event = input_.front();
        input_.pop_front();
        return event;
    }
    if (deadline != TimePoint::max() && deadline > now_) now_ = deadline;
    return std::nullopt;
}

void HeadlessBackend::openWindow(Window& window) {
    records_.push_back({Record::Kind::Shown, std::string(window.name())});
}

void HeadlessBackend::closeWindow(Window& window) {
    records_.push_back({Record::Kind::Closed, std::string(window.name())});
}

void HeadlessBackend::draw(Window&) {}

bool HeadlessBackend::showMessageBox(std::string_view, std::string_view text, int code) {
    const Record message{Record::Kind::Message, std::string(text), code};
    records_.push_back(message);
    if (onMessage) onMessage(message);
    const bool quit = std::any_of(input_.begin(), input_.end(),
                                  [](const InputEvent& event) { return event.kind == InputEvent::Kind::Quit; });
    input_.clear();
    return !quit;
}

std::int32_t HeadlessBackend::playSound(const std::string& path) {
    if (!audio_) return 0;
    records_.push_back({Record::Kind::Sound, path});
    return 1;
}

}  // namespace platform
