// Input from SDL as the game's procedures get it: virtual-key codes, the
// keypad, held keys, and pointer motion over the window only.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_keys.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

std::int16_t code(SDL_Scancode scancode, SDL_Keycode key, Uint16 modifiers = 0) {
    return platform::virtualKeyCode({scancode, key, modifiers, 0});
}

TEST(Keys, MapToVirtualKeyCodesAndTheKeypadSteersWithNumLockOff) {
    EXPECT_EQ(code(SDL_SCANCODE_LEFT, SDLK_LEFT), 37);
    EXPECT_EQ(code(SDL_SCANCODE_UP, SDLK_UP), 38);
    EXPECT_EQ(code(SDL_SCANCODE_RIGHT, SDLK_RIGHT), 39);
    EXPECT_EQ(code(SDL_SCANCODE_DOWN, SDLK_DOWN), 40);
    EXPECT_EQ(code(SDL_SCANCODE_HOME, SDLK_HOME), 36);
    EXPECT_EQ(code(SDL_SCANCODE_SPACE, SDLK_SPACE), 32);
    EXPECT_EQ(code(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), 27);
    EXPECT_EQ(code(SDL_SCANCODE_RETURN, SDLK_RETURN), 13);
    EXPECT_EQ(code(SDL_SCANCODE_END, SDLK_END), 35);
    EXPECT_EQ(code(SDL_SCANCODE_M, SDLK_m, KMOD_SHIFT), 77);
    EXPECT_EQ(code(SDL_SCANCODE_7, SDLK_7), 55);
    const SDL_Scancode keypad[] = {SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_2,
                                   SDL_SCANCODE_KP_7};
    const std::int16_t numLockOff[] = {37, 38, 39, 40, 36}, numLockOn[] = {100, 104, 102, 98, 103};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(code(keypad[i], SDLK_UNKNOWN), numLockOff[i]);
        EXPECT_EQ(code(keypad[i], SDLK_UNKNOWN, KMOD_NUM), numLockOn[i]);
    }
    EXPECT_EQ(platform::shiftState(KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT), 7);
}

class Events : public ::testing::Test {
protected:
    void SetUp() override { game.runtime.start(game.runtime.window("frmMenu")); }

    // The input the backend makes of an SDL event for the menu window.
    std::vector<platform::InputEvent> inputOf(SDL_Event event) {
        SDL_Window* menu = game.backend.screen(*game.runtime.activeWindow()).window();
        event.key.windowID = SDL_GetWindowID(menu);  // where every kind of event keeps it
        SDL_PushEvent(&event);
        std::vector<platform::InputEvent> got;
        while (auto input = game.backend.waitEvent(game.backend.now() + std::chrono::milliseconds(20))) {
            got.push_back(*input);
        }
        return got;
    }
    std::vector<platform::InputEvent> motion(int x, int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        return inputOf(event);
    }

    SdlGame game;
};

TEST_F(Events, EveryRepeatOfAHeldKeyIsAKeyDown) {
    SDL_Event held{};
    held.type = SDL_KEYDOWN;
    held.key.repeat = 1;
    held.key.keysym = {SDL_SCANCODE_UP, SDLK_UP, 0, 0};
    const auto got = inputOf(held);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, platform::InputEvent::Kind::KeyDown);
    EXPECT_EQ(got[0].keyCode, 38);
}

TEST_F(Events, PointerMotionOutsideTheClientAreaIsNoMoveOverTheWindow) {
    int width = 0, height = 0;
    SDL_GetWindowSize(game.backend.screen(*game.runtime.activeWindow()).window(), &width, &height);
    EXPECT_EQ(motion(width - 1, height - 1).size(), 1u);
    EXPECT_EQ(motion(0, 0).size(), 1u);
    EXPECT_TRUE(motion(width, 10).empty());
    EXPECT_TRUE(motion(10, height).empty());
    EXPECT_TRUE(motion(-1, 10).empty());
    EXPECT_TRUE(motion(10, -1).empty());
}

}  // namespace
}  // namespace testing_sdl
