// Laying out, drawing and answering the message box.
#include "platform/sdl/message_box.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/backend.h"
#include "platform/runtime_error.h"

namespace platform {

namespace {

constexpr int FontPoints = 12;  // 16 pixels
constexpr int Margin = 20;
constexpr int IconGap = 14;
constexpr int ButtonWidth = 88, ButtonHeight = 28;
constexpr int MinimumWidth = 240;
constexpr SDL_Color Face{240, 240, 240, 255};
constexpr SDL_Color Ink{0, 0, 0, 255};
constexpr SDL_Color ButtonFace{225, 225, 225, 255};
constexpr SDL_Color ButtonEdge{0, 120, 215, 255};

std::string_view iconFor(int code) {
    if (code == MessageExclamation) return "box_exclamation.png";
    if (code == MessageCritical) return "box_error.png";
    return {};
}

[[noreturn]] void cannotShow() {
    throw RuntimeError(std::string("cannot show a message box: ") + SDL_GetError());
}

void fill(SDL_Renderer* renderer, const SDL_Rect& rect, SDL_Color colour) {
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    SDL_RenderFillRect(renderer, &rect);
}

void copy(SDL_Renderer* renderer, SDL_Surface* surface, const SDL_Rect& target) {
    const TextureHandle texture(SDL_CreateTextureFromSurface(renderer, surface));
    if (!texture) cannotShow();
    SDL_RenderCopy(renderer, texture.get(), nullptr, &target);
}

SDL_Rect usableBounds() {
    SDL_Rect bounds{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(0, &bounds);
    return bounds;
}

}  // namespace

MessageBox::MessageBox(SdlPictures& pictures, SDL_Window* owner, std::string_view title, std::string_view text,
                       int code)
    : pictures_(pictures) {
    TTF_Font* font = pictures_.font("Arial", FontPoints);
    if (const std::string_view icon = iconFor(code); !icon.empty()) icon_ = pictures_.picture(icon);

    // Sized to the text; a text wider than the display is wrapped.
    const SDL_Rect display = usableBounds();
    const int iconWidth = icon_ ? icon_->w + IconGap : 0;
    const int widest = std::max(100, display.w - 2 * Margin - iconWidth);
    const std::string line(text);
    int textWidth = 0;
    TTF_SizeUTF8(font, line.c_str(), &textWidth, nullptr);
    text_.reset(textWidth <= widest ? TTF_RenderUTF8_Blended(font, line.c_str(), Ink)
                                    : TTF_RenderUTF8_Blended_Wrapped(font, line.c_str(), Ink, widest));
    ok_.reset(TTF_RenderUTF8_Blended(font, "OK", Ink));
    if (!text_ || !ok_) throw RuntimeError(std::string("cannot show a message box: ") + TTF_GetError());

    const int contentHeight = std::max(icon_ ? icon_->h : 0, text_->h);
    const int width = std::max(MinimumWidth, 2 * Margin + iconWidth + text_->w);
    if (icon_) iconBox_ = {Margin, Margin + (contentHeight - icon_->h) / 2, icon_->w, icon_->h};
    textBox_ = {Margin + iconWidth, Margin + (contentHeight - text_->h) / 2, text_->w, text_->h};
    button_ = {(width - ButtonWidth) / 2, Margin + contentHeight + Margin, ButtonWidth, ButtonHeight};
    const int height = button_.y + ButtonHeight + Margin * 3 / 4;

    window_.reset(SDL_CreateWindow(std::string(title).c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                   width, height, SDL_WINDOW_HIDDEN));
    if (!window_) cannotShow();
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) cannotShow();
    SDL_Rect over = display;
    if (owner) {
        SDL_GetWindowPosition(owner, &over.x, &over.y);
        SDL_GetWindowSize(owner, &over.w, &over.h);
        SDL_SetWindowModalFor(window_.get(), owner);
    }
    SDL_SetWindowPosition(window_.get(), over.x + (over.w - width) / 2, over.y + (over.h - height) / 2);
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
    draw();
}

void MessageBox::draw() {
    SDL_Renderer* renderer = renderer_.get();
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    fill(renderer, {0, 0, width, height}, Face);
    if (icon_) copy(renderer, icon_, iconBox_);
    copy(renderer, text_.get(), textBox_);
    fill(renderer, button_, ButtonEdge);
    fill(renderer, {button_.x + 2, button_.y + 2, button_.w - 4, button_.h - 4}, ButtonFace);
    copy(renderer, ok_.get(),
         {button_.x + (button_.w - ok_->w) / 2, button_.y + (button_.h - ok_->h) / 2, ok_->w, ok_->h});
    SDL_RenderPresent(renderer);
}

bool MessageBox::onButton(int x, int y) const {
    const SDL_Point point{x, y};
    return SDL_PointInRect(&point, &button_);
}

bool MessageBox::closedBy(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            switch (event.key.keysym.sym) {
                case SDLK_RETURN:
                case SDLK_KP_ENTER:
                case SDLK_SPACE:
                case SDLK_ESCAPE:
                    return true;
                default:
                    return false;
            }
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) pressed_ = onButton(event.button.x, event.button.y);
            return false;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT) return false;
            return std::exchange(pressed_, false) && onButton(event.button.x, event.button.y);
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) draw();
            return event.window.event == SDL_WINDOWEVENT_CLOSE;
        default:
            return false;
    }
}

}  // namespace platform
