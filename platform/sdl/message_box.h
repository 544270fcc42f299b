// The program's message box: a small window titled with the program's
// title, with the icon its code asks for, the text and an OK button, drawn
// with the embedded font so that it looks the same on every machine.
#pragma once

#include <string_view>

#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_pictures.h"

namespace platform {

class MessageBox {
public:
    // Shows the box centred over `owner`, modal for it, or centred on the
    // display when there is no owner, and gives it the keyboard. A box that
    // cannot be shown is a run-time error.
    MessageBox(SdlPictures& pictures, SDL_Window* owner, std::string_view title, std::string_view text, int code);

    Uint32 id() const { return SDL_GetWindowID(window_.get()); }
    SDL_Window* window() const { return window_.get(); }

    // Takes an event of the box's own window; true once it closes the box:
    // Return, keypad Enter, Space or Escape, a left click released on OK
    // where it was pressed, or the frame's close button.
    bool closedBy(const SDL_Event& event);
    void draw();

private:
    bool onButton(int x, int y) const;

    SdlPictures& pictures_;
    SurfaceHandle text_;
    SurfaceHandle ok_;
    SDL_Surface* icon_ = nullptr;  // owned by the pictures; none for code 0
    SDL_Rect iconBox_{}, textBox_{}, button_{};
    WindowHandle window_;
    RendererHandle renderer_;
    bool pressed_ = false;  // the left button went down on OK
};

}  // namespace platform
