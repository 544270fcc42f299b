// One window on the screen: creating it, drawing what changed, sending it to
// the display, and keeping a restored frame on the display.
#include "platform/sdl/sdl_screen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/runtime_error.h"
#include "platform/sdl/damage.h"
#include "platform/window.h"

namespace platform {

namespace {

SDL_FRect pixels(float left, float top, float width, float height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

SDL_Color sdlColour(Colour colour) { return {red(colour), green(colour), blue(colour), 255}; }

// A pixel coordinate held in a range where nothing overflows: positions far
// off the window are drawn nowhere anyway.
int limited(double coordinate) { return static_cast<int>(std::clamp(coordinate, -1e6, 1e6)); }

// Every pixel a drawing into `box` can touch: the renderer cuts position
// and size to whole pixels, which never leaves the box's outer pixels.
SDL_Rect covering(const SDL_FRect& box) {
    const int left = limited(std::floor(box.x)), top = limited(std::floor(box.y));
    const int right = limited(std::ceil(static_cast<double>(box.x) + box.w));
    const int bottom = limited(std::ceil(static_cast<double>(box.y) + box.h));
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

bool contains(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

[[noreturn]] void fail(const Window& window, const char* what) {
    throw RuntimeError("cannot " + std::string(what) + " " + std::string(window.name()) + ": " + SDL_GetError());
}

}  // namespace

SdlScreen::SdlScreen(Window& owner, SdlPictures& pictures) : owner_(owner), pictures_(pictures) {
    const WindowDesign& design = owner.design();
    const PixelSize size = owner.clientPixels();
    Uint32 flags = SDL_WINDOW_HIDDEN;
    flags |= design.frameless ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED;
    window_.reset(SDL_CreateWindow(std::string(design.caption).c_str(), SDL_WINDOWPOS_UNDEFINED,
                                   SDL_WINDOWPOS_UNDEFINED, size.width, size.height, flags));
    if (!window_) fail(owner, "create");
    // The renderer may re-create the window, so it comes before placing it.
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) fail(owner, "draw");
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) == 0) SDL_SetWindowPosition(window_.get(), bounds.x, bounds.y);
    SDL_SetWindowSize(window_.get(), size.width, size.height);
    if (!design.icon.empty()) SDL_SetWindowIcon(window_.get(), pictures_.picture(design.icon));
    // Where the window system has pointers at all: it then has a default one.
    if (!design.pointer.empty() && SDL_GetDefaultCursor()) {
        cursor_.reset(SDL_CreateColorCursor(pictures_.picture(design.pointer), design.pointerHotX, design.pointerHotY));
        if (!cursor_) fail(owner, "set the pointer of");
    }
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    usePointer();
}

void SdlScreen::usePointer() {
    if (cursor_) SDL_SetCursor(cursor_.get());
}

// Un-maximised, a window manager gives back the size the window was made
// with, the whole usable area, and its frame would hang off the display.
// Whatever the order in which the manager reports the new state and the
// new size, the last of them finds the window too large.
void SdlScreen::keepFrameOnScreen() {
    if (SDL_GetWindowFlags(window_.get()) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED | SDL_WINDOW_BORDERLESS)) return;
    SDL_Rect usable;
    int top = 0, left = 0, bottom = 0, right = 0, width = 0, height = 0;
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window_.get())), &usable) != 0 ||
        SDL_GetWindowBordersSize(window_.get(), &top, &left, &bottom, &right) != 0) {
        return;
    }
    SDL_GetWindowSize(window_.get(), &width, &height);
    const int fitWidth = usable.w - left - right, fitHeight = usable.h - top - bottom;
    if (width <= fitWidth && height <= fitHeight) return;
    SDL_SetWindowSize(window_.get(), std::min(width, fitWidth), std::min(height, fitHeight));
    SDL_SetWindowPosition(window_.get(), usable.x + left, usable.y + top);
}

void SdlScreen::resized() {
    keepFrameOnScreen();
    drawWhole();
}

SDL_Rect SdlScreen::whole() const {
    SDL_Rect all{0, 0, 0, 0};
    SDL_GetRendererOutputSize(renderer_.get(), &all.w, &all.h);
    return all;
}

SDL_FRect SdlScreen::drawnBox(const Element& element) {
    SDL_FRect box = pixels(element.Left(), element.Top(), element.Width(), element.Height());
    if (element.kind() == ElementKind::Picture && !element.design().stretch) {
        int width = 0, height = 0;
        SDL_QueryTexture(pictureTexture(element.design().picture), nullptr, nullptr, &width, &height);
        box.w = static_cast<float>(width);
        box.h = static_cast<float>(height);
    }
    return box;
}

bool SdlScreen::Shown::operator==(const Shown& other) const {
    return visible == other.visible && box.x == other.box.x && box.y == other.box.y && box.w == other.box.w &&
           box.h == other.box.h && foreColor == other.foreColor;
}

SdlScreen::Shown SdlScreen::shownNow(const Element& element) {
    if (!element.Visible()) return {};
    const SDL_FRect box = drawnBox(element);
    return {true, box, covering(box), element.ForeColor()};
}

void SdlScreen::draw() {
    if (shown_.empty()) return drawWhole();
    std::vector<SDL_Rect> damage;
    const auto elements = owner_.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Shown now = shownNow(elements[i]);
        Shown& before = shown_[i];
        if (now == before) continue;
        if (before.visible) damage.push_back(before.extent);
        if (now.visible) damage.push_back(now.extent);
        before = now;
    }
    widenToStretched(damage);
    const SDL_Rect window = whole();
    std::vector<SDL_Rect> shown;
    for (const SDL_Rect& rect : damage) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&rect, &window, &inside)) shown.push_back(inside);
    }
    if (shown.empty() && unsent_.empty()) return;
    for (const SDL_Rect& rect : shown) paint(rect);
    send(std::move(shown));
}

// Sends what was drawn to the screen, with whatever failed to go before: a
// failed update keeps its rectangles, as one, for the next frame.
void SdlScreen::send(std::vector<SDL_Rect> rects) {
    check(SDL_RenderFlush(renderer_.get()), "draw");
    rects.insert(rects.end(), unsent_.begin(), unsent_.end());
    unsent_.clear();
    if (SDL_UpdateWindowSurfaceRects(window_.get(), rects.data(), static_cast<int>(rects.size())) == 0) return;
    unsent_.push_back(rects.front());
    for (const SDL_Rect& rect : rects) unsent_.front() = bounding(unsent_.front(), rect);
}

void SdlScreen::check(int result, const char* what) const {
    if (result != 0) fail(owner_, what);
}

// A stretched picture drawn in part can be sampled a little differently from
// the same picture drawn whole, so the damage takes in every stretched
// picture it meets.
void SdlScreen::widenToStretched(std::vector<SDL_Rect>& damage) const {
    const auto elements = owner_.elements();
    for (bool widened = true; widened;) {
        mergeClose(damage);
        widened = false;
        for (SDL_Rect& rect : damage) {
            for (std::size_t i = 0; i < elements.size(); ++i) {
                const SDL_Rect& extent = shown_[i].extent;
                if (!shown_[i].visible || !elements[i].design().stretch || !SDL_HasIntersection(&rect, &extent) ||
                    contains(rect, extent)) {
                    continue;
                }
                rect = bounding(rect, extent);
                widened = true;
            }
        }
    }
}

void SdlScreen::drawWhole() {
    const auto elements = owner_.elements();
    shown_.resize(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) shown_[i] = shownNow(elements[i]);
    paint(whole());
    send({whole()});
}

// The background and every element that meets `area`, last layout entry
// first, clipped to it.
void SdlScreen::paint(const SDL_Rect& area) {
    check(SDL_RenderSetClipRect(renderer_.get(), &area), "draw");
    const SDL_Color background = sdlColour(owner_.design().background);
    SDL_SetRenderDrawColor(renderer_.get(), background.r, background.g, background.b, 255);
    check(SDL_RenderFillRect(renderer_.get(), &area), "draw");
    const auto elements = owner_.elements();
    for (std::size_t i = elements.size(); i-- > 0;) {
        if (!shown_[i].visible || !SDL_HasIntersection(&shown_[i].extent, &area)) continue;
        if (elements[i].kind() == ElementKind::Picture) drawPicture(elements[i], shown_[i].box);
        if (elements[i].kind() == ElementKind::Label) drawLabel(elements[i], shown_[i].box);
    }
}

SDL_Texture* SdlScreen::pictureTexture(std::string_view name) {
    if (auto found = pictureTextures_.find(name); found != pictureTextures_.end()) return found->second.get();
    SDL_Surface* picture = pictures_.picture(name);
    TextureHandle texture;
    if (pictures_.opaque(name)) {
        // Opaque pictures are copied in the window's own format, not blended:
        // most of a level is tiles.
        const SurfaceHandle converted(SDL_ConvertSurfaceFormat(picture, SDL_GetWindowPixelFormat(window_.get()), 0));
        if (!converted) fail(owner_, "draw a picture in");
        texture.reset(SDL_CreateTextureFromSurface(renderer_.get(), converted.get()));
        if (texture) SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_NONE);
    } else {
        texture.reset(SDL_CreateTextureFromSurface(renderer_.get(), picture));
    }
    if (!texture) fail(owner_, "draw a picture in");
    return pictureTextures_.emplace(std::string(name), std::move(texture)).first->second.get();
}

SDL_Texture* SdlScreen::textTexture(const Element& element) {
    const ElementDesign& design = element.design();
    auto key = std::make_tuple(std::string(design.caption), element.ForeColor(), design.fontPoints);
    if (auto found = textTextures_.find(key); found != textTextures_.end()) return found->second.get();
    TTF_Font* font = pictures_.font(design.fontName, design.fontPoints);
    const SurfaceHandle text(
        TTF_RenderUTF8_Blended(font, std::string(design.caption).c_str(), sdlColour(element.ForeColor())));
    if (!text) fail(owner_, "draw a label in");
    TextureHandle texture(SDL_CreateTextureFromSurface(renderer_.get(), text.get()));
    if (!texture) fail(owner_, "draw a label in");
    return textTextures_.emplace(std::move(key), std::move(texture)).first->second.get();
}

void SdlScreen::drawPicture(const Element& element, const SDL_FRect& box) {
    check(SDL_RenderCopyF(renderer_.get(), pictureTexture(element.design().picture), nullptr, &box),
          "draw a picture in");
}

void SdlScreen::drawLabel(const Element& element, const SDL_FRect& box) {
    const SDL_Color back = sdlColour(element.design().backColor);
    SDL_SetRenderDrawColor(renderer_.get(), back.r, back.g, back.b, 255);
    check(SDL_RenderFillRectF(renderer_.get(), &box), "draw a label in");
    SDL_Texture* text = textTexture(element);
    int width = 0, height = 0;
    SDL_QueryTexture(text, nullptr, nullptr, &width, &height);
    // Left-aligned from the top-left corner, clipped to the label's rectangle.
    const SDL_Rect source{0, 0, static_cast<int>(std::min(static_cast<float>(width), box.w)),
                          static_cast<int>(std::min(static_cast<float>(height), box.h))};
    const SDL_FRect target{box.x, box.y, static_cast<float>(source.w), static_cast<float>(source.h)};
    check(SDL_RenderCopyF(renderer_.get(), text, &source, &target), "draw a label in");
}

}  // namespace platform
