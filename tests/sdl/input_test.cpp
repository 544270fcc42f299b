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
    const std::pair<SDL_Keycode, int> keys[] = {{SDLK_LEFT, 37}, {SDLK_UP, 38},     {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},
                                                 {SDLK_HOME, 36}, {SDLK_SPACE, 32}, {SDLK_ESCAPE, 27}, {SDLK_END, 35}};
    for (const auto& [key, virtualKey] : keys) EXPECT_EQ(code(SDL_GetScancodeFromKey(key), key), virtualKey);
    EXPECT_EQ(code(SDL_SCANCODE_M, SDLK_m, KMOD_SHIFT), 77);
    const SDL_Scancode keypad[] = {SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_2,
                                   SDL_SCANCODE_KP_7};
    const std::int16_t numLockOff[] = {37, 38, 39, 40, 36}, numLockOn[] = {100, 104, 102, 98, 103};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(code(keypad[i], SDLK_UNKNOWN), numLockOff[i]);
        EXPECT_EQ(code(keypad[i], SDLK_UNKNOWN, KMOD_NUM), numLockOn[i]);
    }
    EXPECT_EQ(platform::shiftState(KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT), 7);
}

// What the backend makes of SDL events for the menu window.
TEST(Events, EveryRepeatOfAHeldKeyIsAKeyDownAndMotionOutOfTheClientAreaIsNoMove) {
    SdlGame game;
    game.runtime.start(game.runtime.window("frmMenu"));
    SDL_Window* menu = game.backend.screen(*game.runtime.activeWindow()).window();
    const auto inputOf = [&](SDL_Event event, Uint8 windowEvent = 0) {
        event.key.windowID = SDL_GetWindowID(menu);  // where every kind of event keeps it
        SDL_PushEvent(&event);
        if (windowEvent) {
            SDL_Event then{};
            then.window = {SDL_WINDOWEVENT, 0, SDL_GetWindowID(menu), windowEvent, 0, 0, 0, 0, 0};
            SDL_PushEvent(&then);
        }
        std::vector<platform::InputEvent> got;
        while (auto input = game.backend.waitEvent(game.backend.now() + std::chrono::milliseconds(20))) got.push_back(*input);
        return got;
    };
    SDL_Event held{};
    held.type = SDL_KEYDOWN;
    held.key.repeat = 1;
    held.key.keysym = {SDL_SCANCODE_UP, SDLK_UP, 0, 0};
    const auto got = inputOf(held);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, platform::InputEvent::Kind::KeyDown);
    EXPECT_EQ(got[0].keyCode, 38);

    int width = 0, height = 0;
    SDL_GetWindowSize(menu, &width, &height);
    const auto moves = [&](int x, int y, Uint8 then = 0) {
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.x = x;
        motion.motion.y = y;
        return inputOf(motion, then).size();
    };
    EXPECT_EQ(moves(width - 1, height - 1), 1u);
    EXPECT_EQ(moves(0, 0, SDL_WINDOWEVENT_ENTER), 1u);
    EXPECT_EQ(moves(width, 10) + moves(10, height) + moves(-1, 10) + moves(10, -1), 0u);
    EXPECT_EQ(moves(10, height - 1, SDL_WINDOWEVENT_LEAVE), 0u) << "onto the edge as the pointer leaves";
}

}  // namespace
}  // namespace testing_sdl
