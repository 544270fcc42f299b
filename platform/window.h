// A window of the program: one instance laid out afresh from its stored
// design whenever it is shown while not open, with its event procedures.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/design.h"
#include "platform/element.h"

namespace platform {

class Runtime;

class Window {
public:
    Window(Runtime& runtime, const WindowDesign& design);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Shows the window; one that is not open is first laid out from its
    // design, its timer started and its load step run.
    void Show();
    // Hides the window and stops its timer and events.
    void Close();

    bool isOpen() const { return open_; }
    std::string_view name() const { return design_.name; }
    const WindowDesign& design() const { return design_; }

    // The element of that name; a missing one is a run-time error.
    Element& element(std::string_view name);
    // The layout table's elements in drawing order (first on top); the
    // timer, if any, is not among them.
    std::span<Element> elements() { return {elements_.data(), design_.elements.size()}; }
    std::span<const Element> elements() const { return {elements_.data(), design_.elements.size()}; }

    // The window's outer width in twips while open: its client area's, which
    // the window fills from the display's usable area.
    float Width() const;
    PixelSize clientPixels() const { return client_; }

    // The topmost visible element under a client point in pixels, if any.
    Element* elementAt(float x, float y);

    // Drawing state: a change of any element marks the window for redrawing.
    void invalidate() { dirty_ = true; }
    bool takeDirty() { return std::exchange(dirty_, false); }

    // Event procedures, called by the event loop on the one thread.
    virtual void Form_Load() {}
    virtual void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Timer1_Timer() {}
    // `over` is the element under the pointer, or null for the background.
    virtual void MouseMove(Element* over) { (void)over; }
    virtual void Click(Element& element) { (void)element; }

protected:
    Runtime& runtime() { return runtime_; }

private:
    friend class Runtime;

    Runtime& runtime_;
    const WindowDesign& design_;
    const ElementDesign timerDesign_;
    std::vector<Element> elements_;  // built once: addresses stay valid across layouts
    bool open_ = false;
    bool dirty_ = false;
    PixelSize client_;
    TimePoint nextTick_{};
    Element* pressed_ = nullptr;  // where the left button went down
};

}  // namespace platform
