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

bool isOpaque(const SDL_Surface* surface) {
    const auto* pixels = static_cast<const Uint32*>(surface->pixels);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            if ((pixels[y * surface->pitch / 4 + x] >> 24) != 0xFF) return false;
        }
    }
    return true;
}

}  // namespace

SdlPictures::~SdlPictures() {
    for (auto& [name, picture] : pictures_) SDL_FreeSurface(picture.surface);
    for (auto& [key, font] : fonts_) TTF_CloseFont(font);
}

SDL_Surface* SdlPictures::picture(std::string_view name) { return decoded(name).surface; }

bool SdlPictures::opaque(std::string_view name) { return decoded(name).opaque; }

const SdlPictures::Picture& SdlPictures::decoded(std::string_view name) {
    if (auto found = pictures_.find(name); found != pictures_.end()) return found->second;
    SDL_Surface* loaded = IMG_Load_RW(open(resource(name)), 1);
    if (!loaded) throw RuntimeError("cannot decode " + std::string(name) + ": " + IMG_GetError());
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!surface) throw RuntimeError("cannot convert " + std::string(name) + ": " + SDL_GetError());
    return pictures_.emplace(std::string(name), Picture{surface, isOpaque(surface)}).first->second;
}

TTF_Font* SdlPictures::font(std::string_view name, int points) {
    const std::pair<std::string, int> key{std::string(name), points};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    const int pixels = points * 96 / 72;
    TTF_Font* font = TTF_OpenFontRW(open(resource(fontFile(name))), 1, pixels);
    if (!font) throw RuntimeError("cannot open font " + std::string(name) + ": " + TTF_GetError());
    fonts_.emplace(key, font);
    return font;
}

}  // namespace platform
