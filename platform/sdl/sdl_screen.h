// One open window on the screen: its SDL window, renderer, pointer and the
// textures of its pictures and labels.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/sdl/sdl_pictures.h"
#include "platform/units.h"

namespace platform {

class Element;
class Window;

class SdlScreen {
public:
    SdlScreen(Window& owner, SdlPictures& pictures);
    ~SdlScreen();
    SdlScreen(const SdlScreen&) = delete;
    SdlScreen& operator=(const SdlScreen&) = delete;

    Window& owner() const { return owner_; }
    SDL_Window* window() const { return window_; }

    // Draws the elements from the last layout entry to the first and presents.
    void draw();
    void usePointer();
    std::vector<std::uint32_t> capture(PixelSize& size);

private:
    void drawPicture(const Element& element);
    void drawLabel(const Element& element);
    SDL_Texture* pictureTexture(std::string_view name);
    SDL_Texture* textTexture(const Element& element, int& width, int& height);

    Window& owner_;
    SdlPictures& pictures_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Cursor* cursor_ = nullptr;
    std::map<std::string, SDL_Texture*, std::less<>> pictureTextures_;
    std::map<std::tuple<std::string, Colour, int>, SDL_Texture*> textTextures_;
};

}  // namespace platform
