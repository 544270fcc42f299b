// Embedded pictures and fonts, decoded once and shared by every window.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <string>
#include <string_view>

namespace platform {

class SdlPictures {
public:
    SdlPictures() = default;
    ~SdlPictures();
    SdlPictures(const SdlPictures&) = delete;
    SdlPictures& operator=(const SdlPictures&) = delete;

    // The decoded picture; a missing or broken one is a run-time error.
    SDL_Surface* picture(std::string_view name);
    // Whether no pixel of the picture lets what lies below show through.
    bool opaque(std::string_view name);
    // The font a design names, at its size in points (96 dots per inch).
    TTF_Font* font(std::string_view name, int points);

private:
    struct Picture {
        SDL_Surface* surface;
        bool opaque;
    };
    const Picture& decoded(std::string_view name);

    std::map<std::string, Picture, std::less<>> pictures_;
    std::map<std::pair<std::string, int>, TTF_Font*> fonts_;
};

}  // namespace platform
