// Laying out, drawing and answering the message box.
#include "platform/sdl/message_box.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/backend.h"
#include "platform/runtime_error.h"
#include "platform/sdl/x11.h"

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

// The usable area of the display `window` is on, or of the first display.
SDL_Rect usableBounds(SDL_Window* window) {
    SDL_Rect bounds{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(window ? std::max(0, SDL_GetWindowDisplayIndex(window)) : 0, &bounds);
    return bounds;
}

// The closing keys, by what they mean rather than where they lie.
bool closes(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE || key == SDLK_ESCAPE;
}

}  // namespace

MessageBox::MessageBox(SdlPictures& pictures, SDL_Window* owner, std::string_view title, std::string_view text,
                       int code, const std::bitset<SDL_NUM_SCANCODES>& held)
    : pictures_(pictures), held_(held) {
    TTF_Font* font = pictures_.font("Arial", FontPoints);
    if (const std::string_view icon = iconFor(code); !icon.empty()) icon_ = pictures_.picture(icon);

    // Sized to the text; a text wider than the display is wrapped.
    const SDL_Rect display = usableBounds(owner);
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

    // A dialog to the window manager, kept above its owner, which passes it
    // the keyboard when activated.
    SDL_SetHint(SDL_HINT_X11_WINDOW_TYPE, "_NET_WM_WINDOW_TYPE_DIALOG");
    window_.reset(SDL_CreateWindow(std::string(title).c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                   width, height, SDL_WINDOW_HIDDEN));
    SDL_ResetHint(SDL_HINT_X11_WINDOW_TYPE);
    if (!window_) cannotShow();
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) cannotShow();
    SDL_Rect over = display;
    if (owner) {
        SDL_GetWindowPosition(owner, &over.x, &over.y);
        SDL_GetWindowSize(owner, &over.w, &over.h);
        SDL_SetWindowModalFor(window_.get(), owner);
        markModal(window_.get());
    }
    const int x = over.x + (over.w - width) / 2, y = over.y + (over.h - height) / 2;
    SDL_SetWindowPosition(window_.get(), std::max(display.x, std::min(x, display.x + display.w - width)),
                          std::max(display.y, std::min(y, display.y + display.h - height)));

    // The program's windows may have a pointer of their own; the box has the
    // system's arrow, where the window system has pointers at all.
    arrow_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    if (arrow_) SDL_SetCursor(arrow_.get());
    SDL_ShowWindow(window_.get());
    bringBack();
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

void MessageBox::bringBack() {
    if (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
}

bool MessageBox::closedBy(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            return keyDown(event.key);
        case SDL_KEYUP:
            return keyUp(event.key);
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.windowID != id() || event.button.button != SDL_BUTTON_LEFT) return false;
            buttonPressed_ = onButton(event.button.x, event.button.y);
            return false;
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID != id() || event.button.button != SDL_BUTTON_LEFT) return false;
            return std::exchange(buttonPressed_, false) && onButton(event.button.x, event.button.y);
        case SDL_WINDOWEVENT:
            if (event.window.windowID != id()) return false;
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) draw();
            return event.window.event == SDL_WINDOWEVENT_CLOSE;
        default:
            return false;
    }
}

// A key pressed while another window still had the keyboard is held from
// before the box; its repeats on the box are not presses either.
bool MessageBox::keyDown(const SDL_KeyboardEvent& key) {
    const auto scancode = static_cast<std::size_t>(key.keysym.scancode);
    if (key.windowID != id()) {
        held_[scancode] = true;
    } else if (!held_[scancode] && closes(key.keysym.sym)) {
        closingKeys_[scancode] = true;
    }
    return false;
}

// The box closes on the release, so that nothing of the closing key is
// left to reach the window that comes next. SDL also reports a release
// when a window loses the keyboard with the key still down: only releases
// on the box itself count.
bool MessageBox::keyUp(const SDL_KeyboardEvent& key) {
    const auto scancode = static_cast<std::size_t>(key.keysym.scancode);
    if (key.windowID != id()) return false;
    if (held_[scancode]) {
        held_[scancode] = false;
        return false;
    }
    return closingKeys_[scancode];
}

}  // namespace platform
