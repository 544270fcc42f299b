// Window layout, showing and closing.
#include "platform/window.h"

#include <string>

#include "platform/runtime.h"
#include "platform/runtime_error.h"

namespace platform {

namespace {

ElementDesign timerElement(const TimerDesign& timer) {
    ElementDesign design;
    design.name = timer.name;
    design.kind = ElementKind::Timer;
    return design;
}

}  // namespace

Window::Window(Runtime& runtime, const WindowDesign& design)
    : runtime_(runtime), design_(design), timerDesign_(timerElement(design.timer)) {
    elements_.reserve(design.elements.size() + 1);
    for (const ElementDesign& entry : design.elements) elements_.emplace_back(*this, entry);
    if (design.timer.intervalMs > 0) elements_.emplace_back(*this, timerDesign_);
}

void Window::Show() {
    if (open_) return;
    client_ = runtime_.backend().usableArea();
    for (Element& element : elements_) element.layOut();
    pressed_ = nullptr;
    open_ = true;
    for (Element& element : elements_) element.windowOpened(true);
    dirty_ = true;
    if (design_.timer.intervalMs > 0) nextTick_ = runtime_.backend().now() + TickPeriod;
    Form_Load();
    runtime_.opened(*this);
}

void Window::Close() {
    if (!open_) return;
    open_ = false;
    for (Element& element : elements_) element.windowOpened(false);
    runtime_.closed(*this);
}

Element& Window::element(std::string_view name) {
    for (Element& element : elements_) {
        if (element.name() == name) return element;
    }
    throw RuntimeError(std::string(design_.name) + " has no element " + std::string(name));
}

float Window::Width() const {
    if (!open_) throw RuntimeError(std::string(design_.name) + ".Width used while closed");
    return static_cast<float>(client_.width) * TwipsPerPixel;
}

Element* Window::elementAt(float x, float y) {
    const float tx = x * TwipsPerPixel;
    const float ty = y * TwipsPerPixel;
    for (Element& element : elements()) {
        if (!element.Visible()) continue;
        if (tx >= element.Left() && tx < element.Left() + element.Width() && ty >= element.Top() &&
            ty < element.Top() + element.Height()) {
            return &element;
        }
    }
    return nullptr;
}

}  // namespace platform
