// What the event loop needs of a window system: time, input, windows,
// drawing, message boxes and sound. One backend over SDL2, one headless.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/units.h"

namespace platform {

class Window;

struct InputEvent {
    enum class Kind { KeyDown, MouseMove, MouseDown, MouseUp, Quit };
    Kind kind = Kind::Quit;
    Window* window = nullptr;  // the window it reached; null for Quit
    std::int16_t keyCode = 0;  // virtual-key code
    std::int16_t shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0, y = 0;        // pointer in client pixels
};

// Message box codes: the buttons and the icon.
inline constexpr int MessageOk = 0;  // OK, no icon
inline constexpr int MessageExclamation = 48;  // OK, exclamation icon
inline constexpr int MessageCritical = 16;     // OK, error icon

class Backend {
public:
    virtual ~Backend() = default;

    virtual TimePoint now() = 0;
    // The next input event, or none once `deadline` has passed without one.
    virtual std::optional<InputEvent> waitEvent(TimePoint deadline) = 0;

    // The area a window fills when it is shown, in pixels.
    virtual PixelSize usableArea() = 0;
    virtual void openWindow(Window& window) = 0;
    virtual void closeWindow(Window& window) = 0;
    virtual void draw(Window& window) = 0;

    // Modal: returns once the player has closed the box, true; false if the
    // window system asked the program to end meanwhile. Input that reached
    // the program's windows meanwhile is discarded. A box that cannot be
    // shown is a run-time error.
    virtual bool showMessageBox(std::string_view title, std::string_view text, int code) = 0;

    // Plays a sound file asynchronously, replacing the one playing; a file
    // that cannot be played gives the default sound. 1 if a sound started.
    virtual std::int32_t playSound(const std::string& path) = 0;

    // The executable's folder, without a closing separator.
    virtual std::string programFolder() = 0;
};

}  // namespace platform
