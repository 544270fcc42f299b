// Merging of damaged rectangles.
#include "platform/sdl/damage.h"

#include <algorithm>

namespace platform {

namespace {

bool close(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x <= b.x + b.w + MergeDistance && b.x <= a.x + a.w + MergeDistance &&
           a.y <= b.y + b.h + MergeDistance && b.y <= a.y + a.h + MergeDistance;
}

}  // namespace

SDL_Rect bounding(const SDL_Rect& a, const SDL_Rect& b) {
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.w, b.x + b.w), bottom = std::max(a.y + a.h, b.y + b.h);
    return {left, top, right - left, bottom - top};
}

void mergeClose(std::vector<SDL_Rect>& rects) {
    std::erase_if(rects, [](const SDL_Rect& rect) { return rect.w <= 0 || rect.h <= 0; });
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
                if (!close(rects[i], rects[j])) continue;
                rects[i] = bounding(rects[i], rects[j]);
                rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
            }
        }
    }
}

}  // namespace platform
