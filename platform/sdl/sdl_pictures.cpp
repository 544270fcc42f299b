// Decoding of embedded pictures and fonts.
#include "platform/sdl/sdl_pictures.h"

#include <SDL_image.h>

#include "platform/resources.h"
#include "platform/runtime_error.h"

namespace platform {

namespace {

SDL_RWops* open(const Resource& file) { return SDL_RWFromConstMem(file.data, static_cast<int>(file.size)); }

// Arial is drawn with its metric-compatible twin.
std::string_view fontFile(std::string_view name) {
    if (name == "Arial") return "LiberationSans-Regular.ttf";
    throw RuntimeError("no font " + std::string(name));
}

bool isOpaque(const SDL_Surface& surface) {
    for (int y = 0; y < surface.h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface.pixels) + y * surface.pitch);
        for (int x = 0; x < surface.w; ++x) {
            if ((row[x] >> 24) != 0xFF) return false;
        }
    }
    return true;
}

}  // namespace

SDL_Surface* SdlPictures::picture(std::string_view name) { return decoded(name).surface.get(); }

bool SdlPictures::opaque(std::string_view name) { return decoded(name).opaque; }

const SdlPictures::Picture& SdlPictures::decoded(std::string_view name) {
    if (auto found = pictures_.find(name); found != pictures_.end()) return found->second;
    const SurfaceHandle loaded(IMG_Load_RW(open(resource(name)), 1));
    if (!loaded) throw RuntimeError("cannot decode " + std::string(name) + ": " + IMG_GetError());
    SurfaceHandle surface(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!surface) throw RuntimeError("cannot convert " + std::string(name) + ": " + SDL_GetError());
    const bool opaque = isOpaque(*surface);
    return pictures_.emplace(std::string(name), Picture{std::move(surface), opaque}).first->second;
}

TTF_Font* SdlPictures::font(std::string_view name, int points) {
    std::pair<std::string, int> key{std::string(name), points};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second.get();
    const int pixels = points * 96 / 72;
    FontHandle font(TTF_OpenFontRW(open(resource(fontFile(name))), 1, pixels));
    if (!font) throw RuntimeError("cannot open font " + std::string(name) + ": " + TTF_GetError());
    return fonts_.emplace(std::move(key), std::move(font)).first->second.get();
}

}  // namespace platform
