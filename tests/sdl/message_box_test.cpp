// The message box on SDL's dummy video driver: its icon, text and button,
// its size, what closes it, and the loop that holds the program meanwhile.
#include <gtest/gtest.h>

#include "platform/sdl/message_box.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

constexpr std::uint32_t Yellow = 0xFFFFCC00, Red = 0xFFCC0000, Ink = 0xFF000000, Edge = 0xFF0078D7;

struct Box {
    Drivers drivers;
    platform::SdlBackend backend;
    platform::SdlPictures pictures;
    platform::MessageBox box;
    Box(const char* text, int code) : box(pictures, nullptr, "Tromfel", text, code) {}

    // How many pixels of exactly `colour` the box shows left of `right`.
    int count(std::uint32_t colour, int right = 9999) const { return Shot(box.window()).count(colour, 0, 0, right); }
    int width() const { return Shot(box.window()).width; }
    // `code`: the key of a key event, or what a window event says.
    bool closedBy(Uint32 type, SDL_Keycode code = 0, int x = 0, int y = 0) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_KEYDOWN) event.key.keysym.sym = code;
        if (type == SDL_WINDOWEVENT) event.window.event = static_cast<Uint8>(code);
        if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) event.button = {type, 0, box.id(), 0, SDL_BUTTON_LEFT, 0, 1, 0, x, y};
        return box.closedBy(event);
    }
};

TEST(MessageBox, ShowsTheIconItsCodeAsksForTheTextInInkAndTheButton) {
    Box dead("You are dead", platform::MessageOk), won("You won! Go to Level2!", platform::MessageExclamation);
    Box error("Run-time error: overflow in object1.Left", platform::MessageCritical);
    EXPECT_EQ(dead.count(Yellow) + dead.count(Red), 0);
    EXPECT_GT(dead.count(Ink, 60), 0) << "the text begins at the left margin";
    EXPECT_GT(dead.count(Edge), 150) << "the button";
    EXPECT_GT(won.count(Yellow, 60), 100);
    EXPECT_EQ(won.count(Red), 0);
    EXPECT_EQ(won.count(Ink, 52), won.count(Ink, 60)) << "the text stands right of the icon";
    EXPECT_GT(error.count(Red, 60), 100);
    EXPECT_EQ(error.count(Yellow), 0);
    EXPECT_GT(error.width(), won.width()) << "a longer text widens the box";
}

TEST(MessageBox, ClosesOnReturnEnterSpaceEscapeTheCloseButtonAndAClickReleasedOnOk) {
    Box b("You are dead", platform::MessageOk);
    for (SDL_Keycode key : {SDLK_RETURN, SDLK_KP_ENTER, SDLK_SPACE, SDLK_ESCAPE}) EXPECT_TRUE(b.closedBy(SDL_KEYDOWN, key));
    for (SDL_Keycode key : {SDLK_a, SDLK_LEFT, SDLK_TAB}) EXPECT_FALSE(b.closedBy(SDL_KEYDOWN, key));
    EXPECT_TRUE(b.closedBy(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE));
    int w = 0, h = 0;
    SDL_GetWindowSize(b.box.window(), &w, &h);
    const int okX = w / 2, okY = h - 30;  // the middle of the button
    EXPECT_FALSE(b.closedBy(SDL_MOUSEBUTTONDOWN, 0, okX, okY));
    EXPECT_TRUE(b.closedBy(SDL_MOUSEBUTTONUP, 0, okX, okY));
    EXPECT_FALSE(b.closedBy(SDL_MOUSEBUTTONDOWN, 0, okX, okY));
    EXPECT_FALSE(b.closedBy(SDL_MOUSEBUTTONUP, 0, 5, 5)) << "released off the button";
    EXPECT_FALSE(b.closedBy(SDL_MOUSEBUTTONDOWN, 0, 5, 5));
    EXPECT_FALSE(b.closedBy(SDL_MOUSEBUTTONUP, 0, okX, okY)) << "pressed off the button";
}

// Input that reaches the game's window while the box is open is thrown
// away, also when it is still waiting as the box closes; the window
// system's quit request ends the program.
TEST(MessageBox, HoldsTheProgramDiscardsItsInputAndGivesWayToAQuit) {
    SdlGame game;
    game.runtime.start(game.runtime.window("frmMenu"));
    EXPECT_TRUE(game.backend.showMessageBox("Tromfel", "You are dead", platform::MessageOk));
    SDL_Event escape{}, quit{};
    escape.key = {SDL_KEYDOWN, 0, SDL_GetWindowID(game.backend.screen(*game.runtime.activeWindow()).window()),
                  SDL_PRESSED, 0, 0, 0, {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0}};
    quit.type = SDL_QUIT;
    for (SDL_Event* event : {&escape, &quit, &escape}) SDL_PushEvent(event);
    EXPECT_FALSE(game.backend.showMessageBox("Tromfel", "You are dead", platform::MessageOk));
    game.runtime.runUntil(game.backend.now() + std::chrono::milliseconds(50));
    EXPECT_FALSE(game.runtime.ended()) << "an Escape meant for the box's time reached the menu";
}

}  // namespace
}  // namespace testing_sdl
