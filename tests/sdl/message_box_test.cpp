// The message box on SDL's dummy video driver: its icon, text and button,
// its size and place, what closes it, and the loop that holds the program
// meanwhile.
#include <gtest/gtest.h>

#include "platform/sdl/message_box.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

constexpr std::uint32_t Red = 0xFFCC0000, Ink = 0xFF000000, Edge = 0xFF0078D7;

struct Box {
    Drivers drivers;
    platform::SdlBackend backend;
    platform::SdlPictures pictures;
    platform::MessageBox box;
    Box(const char* text, int code, SDL_Window* owner = nullptr) : box(pictures, owner, "Tromfel", text, code, {}) {}

    // How many pixels of exactly `colour` the box shows left of `right`.
    int count(std::uint32_t colour, int right = 9999) const { return Shot(box.window()).count(colour, 0, 0, right); }
    // `code`: what a window event says.
    bool closedBy(Uint32 type, int code = 0, int x = 0, int y = 0) {
        SDL_Event event{};
        event.window = {type, 0, box.id(), static_cast<Uint8>(code), 0, 0, 0, 0, 0};
        if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) event.button = {type, 0, box.id(), 0, SDL_BUTTON_LEFT, 0, 1, 0, x, y};
        return box.closedBy(event);
    }
};

// The run-time error's box over a window in the display's corner.
TEST(MessageBox, ShowsItsIconTextAndButtonOnTheDisplayAndClosesOnAClickReleasedOnOkOrTheCloseButton) {
    SDL_Window* corner = SDL_CreateWindow("", 900, 700, 400, 300, SDL_WINDOW_HIDDEN);
    Box b("Run-time error: overflow in object1.Left", platform::MessageCritical, corner);
    EXPECT_GT(b.count(Red, 60), 100) << "the error icon";
    EXPECT_EQ(b.count(Ink, 52), b.count(Ink, 60)) << "the text stands right of the icon";
    EXPECT_GT(b.count(Edge), 150) << "the button";
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(b.box.window(), &x, &y);
    SDL_GetWindowSize(b.box.window(), &w, &h);
    EXPECT_EQ(x, 1024 - w) << "the dummy display is 1024 x 768";
    EXPECT_EQ(y, 768 - h);
    EXPECT_TRUE(b.closedBy(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE));
    const int okX = w / 2, okY = h - 30;  // the middle of the button
    const auto click = [&](int x, int y, int releasedX, int releasedY) {
        return !b.closedBy(SDL_MOUSEBUTTONDOWN, 0, x, y) && b.closedBy(SDL_MOUSEBUTTONUP, 0, releasedX, releasedY);
    };
    EXPECT_TRUE(click(okX, okY, okX, okY));
    EXPECT_FALSE(click(okX, okY, 5, 5)) << "released off the button";
    EXPECT_FALSE(click(5, 5, okX, okY)) << "pressed off the button";
    SDL_DestroyWindow(corner);
}

// Each box gets its keys, then the window system's quit request: true if the
// keys closed it first (the quit left over is dropped). Input that reaches
// the game's window meanwhile is thrown away, also when it is still waiting
// as the box closes.
TEST(MessageBox, ClosesOnTheReleaseOfAClosingKeyPressedOnItAndDiscardsTheGamesInput) {
    SdlGame game;
    game.runtime.start(game.runtime.window("frmMenu"));
    const auto closes = [&](std::vector<BoxInput> keys) {
        game.boxInput = keys;
        game.boxInput.push_back({SDL_QUIT});
        const bool closed = game.backend.showMessageBox("Tromfel", "You are dead", platform::MessageOk);
        SDL_FlushEvent(SDL_QUIT);
        return closed;
    };
    for (SDL_Keycode key : {SDLK_RETURN, SDLK_KP_ENTER, SDLK_SPACE, SDLK_ESCAPE}) {
        EXPECT_TRUE(closes({{SDL_KEYDOWN, key}, {SDL_KEYUP, key}})) << SDL_GetKeyName(key);
        EXPECT_FALSE(closes({{SDL_KEYDOWN, key}, {SDL_KEYDOWN, key}, {SDL_KEYUP, key, true}}))
            << "pressed and held, released elsewhere: " << SDL_GetKeyName(key);
    }
    EXPECT_FALSE(closes({{SDL_KEYDOWN, SDLK_a}, {SDL_KEYUP, SDLK_a}, {SDL_KEYDOWN, SDLK_LEFT}, {SDL_KEYUP, SDLK_LEFT}}));
    const BoxInput heldDown{SDL_KEYDOWN, SDLK_SPACE, true}, down{SDL_KEYDOWN, SDLK_SPACE}, up{SDL_KEYUP, SDLK_SPACE};
    SDL_Event space{};  // down on the menu before the box opens
    space.key = {SDL_KEYDOWN, 0, SDL_GetWindowID(game.backend.screen(*game.runtime.activeWindow()).window()), 0, 0, 0, 0,
                 {SDL_SCANCODE_SPACE, SDLK_SPACE, 0, 0}};
    SDL_PushEvent(&space);
    game.runtime.runUntil(game.backend.now() + std::chrono::milliseconds(20));
    EXPECT_FALSE(closes({down, {SDL_KEYUP, SDLK_SPACE, true}, down, up}))
        << "a key held from before, its repeats, its release elsewhere and on the box";
    EXPECT_FALSE(closes({heldDown, down, up})) << "pressed elsewhere as the box opened, released on the box";
    EXPECT_TRUE(closes({heldDown, down, up, down, up})) << "then pressed afresh";
    const BoxInput escape{SDL_KEYDOWN, SDLK_ESCAPE, true};
    EXPECT_TRUE(closes({escape, {SDL_KEYDOWN}, {SDL_KEYUP}, escape}));
    game.runtime.runUntil(game.backend.now() + std::chrono::milliseconds(50));
    EXPECT_FALSE(game.runtime.ended()) << "an Escape meant for the box's time reached the menu";
}

}  // namespace
}  // namespace testing_sdl
