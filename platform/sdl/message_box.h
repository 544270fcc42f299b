// The program's message box: a small window titled with the program's
// title, with the icon its code asks for, the text and an OK button, drawn
// with the embedded font so that it looks the same on every machine.
#pragma once

#include <bitset>
#include <string_view>

#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_pictures.h"

namespace platform {

class MessageBox {
public:
    // Shows the box as a modal dialog of `owner`, centred over it and kept
    // inside the usable area of its display (centred on the first display
    // when there is no owner), with the keyboard and the ordinary arrow
    // pointer. `held`: the keys down as it opens. A box that cannot be shown
    // is a run-time error.
    MessageBox(SdlPictures& pictures, SDL_Window* owner, std::string_view title, std::string_view text, int code,
               const std::bitset<SDL_NUM_SCANCODES>& held);

    Uint32 id() const { return SDL_GetWindowID(window_.get()); }
    SDL_Window* window() const { return window_.get(); }

    // Takes any event of the program's; true once it closes the box: the
    // release of Return, keypad Enter, Space or Escape pressed on the box, a
    // left click released on OK where it was pressed, or the frame's close
    // button. A key that was down before the box had the keyboard counts
    // only once it has been released on the box.
    bool closedBy(const SDL_Event& event);
    // Shows the box again on top, with the keyboard: for when the player
    // activates the window it belongs to.
    void bringBack();
    void draw();

private:
    bool keyDown(const SDL_KeyboardEvent& key);
    bool keyUp(const SDL_KeyboardEvent& key);
    bool onButton(int x, int y) const;

    SdlPictures& pictures_;
    SurfaceHandle text_;
    SurfaceHandle ok_;
    SDL_Surface* icon_ = nullptr;  // owned by the pictures; none for code 0
    SDL_Rect iconBox_{}, textBox_{}, button_{};
    WindowHandle window_;
    RendererHandle renderer_;
    CursorHandle arrow_;
    bool buttonPressed_ = false;                  // the left button went down on OK
    std::bitset<SDL_NUM_SCANCODES> held_;         // down before the box had the keyboard
    std::bitset<SDL_NUM_SCANCODES> closingKeys_;  // closing keys pressed on the box
};

}  // namespace platform
