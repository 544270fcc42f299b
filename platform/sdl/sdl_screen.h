// One open window on the screen: its SDL window, renderer and pointer, the
// textures of its pictures and labels, and what each element showed in the
// last frame, from which the next frame's damage follows.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_pictures.h"
#include "platform/units.h"

namespace platform {

class Element;
class Window;

class SdlScreen {
public:
    SdlScreen(Window& owner, SdlPictures& pictures);

    Window& owner() const { return owner_; }
    SDL_Window* window() const { return window_.get(); }

    // Draws again what changed since the last frame, and sends only that to
    // the screen. The first frame is drawn whole.
    void draw();
    // Draws the whole window and sends all of it: for what the window
    // system lost (an expose, a resize).
    void drawWhole();
    // A framed window that is neither maximized nor minimized is first
    // fitted into the usable area of its display, frame and all.
    void resized();
    void usePointer();

private:
    // What an element showed in the last frame.
    struct Shown {
        bool visible = false;
        SDL_FRect box{};    // where it was drawn
        SDL_Rect extent{};  // every pixel its drawing could touch
        Colour foreColor = 0;
        bool operator==(const Shown& other) const;
    };

    Shown shownNow(const Element& element);
    SDL_FRect drawnBox(const Element& element);
    void widenToStretched(std::vector<SDL_Rect>& damage) const;
    void keepFrameOnScreen();
    void paint(const SDL_Rect& area);
    void send(std::vector<SDL_Rect> rects);
    // A failed drawing call is a run-time error naming `what` was drawn.
    void check(int result, const char* what) const;
    void drawPicture(const Element& element, const SDL_FRect& box);
    void drawLabel(const Element& element, const SDL_FRect& box);
    SDL_Texture* pictureTexture(std::string_view name);
    SDL_Texture* textTexture(const Element& element);
    SDL_Rect whole() const;

    Window& owner_;
    SdlPictures& pictures_;
    WindowHandle window_;
    RendererHandle renderer_;
    CursorHandle cursor_;
    std::map<std::string, TextureHandle, std::less<>> pictureTextures_;
    std::map<std::tuple<std::string, Colour, int>, TextureHandle> textTextures_;
    std::vector<Shown> shown_;  // by layout entry; empty until the first frame
    std::vector<SDL_Rect> unsent_;  // drawn, but not yet on the screen
};

}  // namespace platform
