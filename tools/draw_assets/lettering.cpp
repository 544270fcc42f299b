// Renders text large with SDL_ttf, then box-filters it down, so every size
// comes out with the same clean shape whatever the hinting would do.
#include "lettering.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
constexpr int kRenderPoints = 400;

struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<double> alpha;  // 0..1 per pixel, trimmed to the ink
    double at(int x, int y) const { return alpha[static_cast<std::size_t>(y * width + x)]; }
};

Coverage render(const std::string& text) {
    std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)> font(TTF_OpenFont(kFontPath, kRenderPoints),
                                                             &TTF_CloseFont);
    if (!font) throw std::runtime_error(TTF_GetError());
    SDL_Surface* drawn =
        TTF_RenderUTF8_Blended(font.get(), text.c_str(), SDL_Color{255, 255, 255, 255});
    if (drawn == nullptr) throw std::runtime_error(TTF_GetError());
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(drawn, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(drawn);
    if (rgba == nullptr) throw std::runtime_error(SDL_GetError());

    auto alphaAt = [rgba](int x, int y) {
        return static_cast<const Uint8*>(rgba->pixels)[y * rgba->pitch + x * 4 + 3];
    };
    int left = rgba->w, top = rgba->h, right = -1, bottom = -1;
    for (int y = 0; y < rgba->h; ++y) {
        for (int x = 0; x < rgba->w; ++x) {
            if (alphaAt(x, y) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) {
        SDL_FreeSurface(rgba);
        throw std::runtime_error("no ink in \"" + text + "\"");
    }
    Coverage out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.alpha.reserve(static_cast<std::size_t>(out.width * out.height));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) out.alpha.push_back(alphaAt(x, y) / 255.0);
    }
    SDL_FreeSurface(rgba);
    return out;
}

}  // namespace

Mask lettering(const std::string& text, int width, int height) {
    const Coverage ink = render(text);
    if (height == 0) height = (width * ink.height + ink.width / 2) / ink.width;

    Mask out(width, height);
    for (int ty = 0; ty < height; ++ty) {
        const int y0 = ty * ink.height / height;
        const int y1 = std::max(y0 + 1, (ty + 1) * ink.height / height);
        for (int tx = 0; tx < width; ++tx) {
            const int x0 = tx * ink.width / width;
            const int x1 = std::max(x0 + 1, (tx + 1) * ink.width / width);
            double sum = 0;
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) sum += ink.at(x, y);
            }
            out.set(tx, ty, sum >= 0.5 * (x1 - x0) * (y1 - y0));
        }
    }
    return out;
}
