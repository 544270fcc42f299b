// Creating, drawing and capturing one window on the screen.
#include "platform/sdl/sdl_screen.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <string>

#include "platform/runtime_error.h"
#include "platform/window.h"

namespace platform {

namespace {

SDL_FRect pixels(float left, float top, float width, float height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

SDL_Color sdlColour(Colour colour) { return {red(colour), green(colour), blue(colour), 255}; }

[[noreturn]] void fail(const Window& window, const char* what) {
    throw RuntimeError("cannot " + std::string(what) + " " + std::string(window.name()) + ": " + SDL_GetError());
}

}  // namespace

SdlScreen::SdlScreen(Window& owner, SdlPictures& pictures) : owner_(owner), pictures_(pictures) {
    const WindowDesign& design = owner.design();
    const PixelSize size = owner.clientPixels();
    Uint32 flags = SDL_WINDOW_HIDDEN;
    flags |= design.frameless ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED;
    window_ = SDL_CreateWindow(std::string(design.caption).c_str(), SDL_WINDOWPOS_UNDEFINED,
                               SDL_WINDOWPOS_UNDEFINED, size.width, size.height, flags);
    if (!window_) fail(owner, "create");
    // The renderer may re-create the window, so it comes before placing it.
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        SDL_DestroyWindow(window_);
        fail(owner, "draw");
    }
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) == 0) SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, size.width, size.height);
    if (!design.icon.empty()) SDL_SetWindowIcon(window_, pictures_.picture(design.icon));
    if (!design.pointer.empty()) {
        cursor_ = SDL_CreateColorCursor(pictures_.picture(design.pointer), design.pointerHotX, design.pointerHotY);
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    usePointer();
}

SdlScreen::~SdlScreen() {
    for (auto& [name, texture] : pictureTextures_) SDL_DestroyTexture(texture);
    for (auto& [key, texture] : textTextures_) SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    if (cursor_) {
        SDL_SetCursor(SDL_GetDefaultCursor());
        SDL_FreeCursor(cursor_);
    }
}

void SdlScreen::usePointer() {
    if (cursor_) SDL_SetCursor(cursor_);
}

SDL_Texture* SdlScreen::pictureTexture(std::string_view name) {
    if (auto found = pictureTextures_.find(name); found != pictureTextures_.end()) return found->second;
    SDL_Surface* picture = pictures_.picture(name);
    SDL_Texture* texture = nullptr;
    if (pictures_.opaque(name)) {
        // Opaque pictures are copied in the window's own format, not blended:
        // most of a level is tiles.
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(picture, SDL_GetWindowPixelFormat(window_), 0);
        if (!converted) fail(owner_, "draw a picture in");
        texture = SDL_CreateTextureFromSurface(renderer_, converted);
        SDL_FreeSurface(converted);
        if (texture) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    } else {
        texture = SDL_CreateTextureFromSurface(renderer_, picture);
    }
    if (!texture) fail(owner_, "draw a picture in");
    pictureTextures_.emplace(std::string(name), texture);
    return texture;
}

SDL_Texture* SdlScreen::textTexture(const Element& element, int& width, int& height) {
    const ElementDesign& design = element.design();
    const auto key = std::make_tuple(std::string(design.caption), element.ForeColor(), design.fontPoints);
    SDL_Texture* texture = nullptr;
    if (auto found = textTextures_.find(key); found != textTextures_.end()) {
        texture = found->second;
    } else {
        TTF_Font* font = pictures_.font(design.fontName, design.fontPoints);
        SDL_Surface* text = TTF_RenderUTF8_Blended(font, std::string(design.caption).c_str(),
                                                   sdlColour(element.ForeColor()));
        if (!text) fail(owner_, "draw a label in");
        texture = SDL_CreateTextureFromSurface(renderer_, text);
        SDL_FreeSurface(text);
        if (!texture) fail(owner_, "draw a label in");
        textTextures_.emplace(key, texture);
    }
    SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
    return texture;
}

void SdlScreen::drawPicture(const Element& element) {
    SDL_Texture* texture = pictureTexture(element.design().picture);
    SDL_FRect target = pixels(element.Left(), element.Top(), element.Width(), element.Height());
    if (!element.design().stretch) {
        int width = 0, height = 0;
        SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
        target.w = static_cast<float>(width);
        target.h = static_cast<float>(height);
    }
    SDL_RenderCopyF(renderer_, texture, nullptr, &target);
}

void SdlScreen::drawLabel(const Element& element) {
    const SDL_FRect box = pixels(element.Left(), element.Top(), element.Width(), element.Height());
    const SDL_Color back = sdlColour(element.design().backColor);
    SDL_SetRenderDrawColor(renderer_, back.r, back.g, back.b, 255);
    SDL_RenderFillRectF(renderer_, &box);
    int width = 0, height = 0;
    SDL_Texture* text = textTexture(element, width, height);
    // Left-aligned from the top-left corner, clipped to the label's rectangle.
    const float shownWidth = std::min(static_cast<float>(width), box.w);
    const float shownHeight = std::min(static_cast<float>(height), box.h);
    const SDL_Rect source{0, 0, static_cast<int>(shownWidth), static_cast<int>(shownHeight)};
    const SDL_FRect target{box.x, box.y, static_cast<float>(source.w), static_cast<float>(source.h)};
    SDL_RenderCopyF(renderer_, text, &source, &target);
}

void SdlScreen::draw() {
    const SDL_Color background = sdlColour(owner_.design().background);
    SDL_SetRenderDrawColor(renderer_, background.r, background.g, background.b, 255);
    SDL_RenderClear(renderer_);
    const auto elements = owner_.elements();
    for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
        if (!element->Visible()) continue;
        if (element->kind() == ElementKind::Picture) drawPicture(*element);
        if (element->kind() == ElementKind::Label) drawLabel(*element);
    }
    SDL_RenderPresent(renderer_);
}

std::vector<std::uint32_t> SdlScreen::capture(PixelSize& size) {
    SDL_GetRendererOutputSize(renderer_, &size.width, &size.height);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(size.width) * size.height);
    if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), size.width * 4) != 0) {
        fail(owner_, "read the pixels of");
    }
    return out;
}

}  // namespace platform
