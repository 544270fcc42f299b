// Embedded pictures and fonts, decoded once and shared by every window.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/sdl/sdl_handles.h"

namespace platform {

class SdlPictures {
public:
    // The decoded picture, as ARGB8888; a missing or broken one is a
    // run-time error.
    SDL_Surface* picture(std::string_view name);
    // Whether no pixel of the picture lets what lies below show through.
    bool opaque(std::string_view name);
    // The font a design names, at its size in points (96 dots per inch).
    TTF_Font* font(std::string_view name, int points);

private:
    struct Picture {
        SurfaceHandle surface;
        bool opaque;
    };
    const Picture& decoded(std::string_view name);

    std::map<std::string, Picture, std::less<>> pictures_;
    std::map<std::pair<std::string, int>, FontHandle> fonts_;
};

}  // namespace platform
