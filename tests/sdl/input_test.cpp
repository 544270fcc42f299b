// Input from SDL as the game's procedures get it: virtual-key codes, the
// keypad, held keys, and pointer motion over the window only.
#include <gtest/gtest.h>

#include <csignal>
#include <tuple>
#include <vector>

#include "platform/sdl/sdl_keys.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

std::int16_t code(SDL_Scancode scancode, SDL_Keycode key, Uint16 modifiers = 0) {
    return platform::virtualKeyCode({scancode, key, modifiers, 0});
}

TEST(Keys, MapToVirtualKeyCodesAndTheKeypadSteersWithNumLockOff) {
    const std::tuple<SDL_Keycode, SDL_Scancode, int, int> keys[] = {
        {SDLK_LEFT, SDL_SCANCODE_KP_4, 37, 100}, {SDLK_UP, SDL_SCANCODE_KP_8, 38, 104},
        {SDLK_RIGHT, SDL_SCANCODE_KP_6, 39, 102}, {SDLK_DOWN, SDL_SCANCODE_KP_2, 40, 98},
        {SDLK_HOME, SDL_SCANCODE_KP_7, 36, 103}};  // the key, its keypad twin, its code, the keypad's with Num Lock
    for (const auto& [key, keypad, virtualKey, numLockOn] : keys) {
        EXPECT_EQ(code(SDL_GetScancodeFromKey(key), key), virtualKey);
        EXPECT_EQ(code(keypad, SDLK_UNKNOWN), virtualKey);
        EXPECT_EQ(code(keypad, SDLK_UNKNOWN, KMOD_NUM), numLockOn);
    }
    EXPECT_EQ(code(SDL_SCANCODE_SPACE, SDLK_SPACE), 32);
    EXPECT_EQ(code(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), 27);
    EXPECT_EQ(code(SDL_SCANCODE_M, SDLK_m, KMOD_SHIFT), 77);
    EXPECT_EQ(platform::shiftState(KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT), 7);
}

// What the backend makes of SDL events for the menu window.
TEST(Events, EveryRepeatOfAHeldKeyIsAKeyDownAndMotionOutOfTheClientAreaIsNoMove) {
    SdlGame game;
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL) << "the backend leaves signals to the program's start";
    game.runtime.start(game.runtime.window("frmMenu"));
    SDL_Window* menu = game.backend.screen(*game.runtime.activeWindow()).window();
    const auto inputOf = [&](SDL_Event event, Uint8 windowEvent = 0) {
        event.key.windowID = SDL_GetWindowID(menu);  // where every kind of event keeps it
        SDL_PushEvent(&event);
        SDL_Event then{};
        then.window = {SDL_WINDOWEVENT, 0, SDL_GetWindowID(menu), windowEvent, 0, 0, 0, 0, 0};
        if (windowEvent) SDL_PushEvent(&then);
        std::vector<platform::InputEvent> got;
        while (auto input = game.backend.waitEvent(game.backend.now() + std::chrono::milliseconds(20))) got.push_back(*input);
        return got;
    };
    SDL_Event held{};
    held.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, 1, 0, 0, {SDL_SCANCODE_UP, SDLK_UP, 0, 0}};
    const auto got = inputOf(held);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, platform::InputEvent::Kind::KeyDown);
    EXPECT_EQ(got[0].keyCode, 38);

    int width = 0, height = 0;
    SDL_GetWindowSize(menu, &width, &height);
    const auto moves = [&](int x, int y, Uint8 then = 0) {
        SDL_Event motion{};
        motion.motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, x, y, 0, 0};
        return inputOf(motion, then).size();
    };
    EXPECT_EQ(moves(width - 1, height - 1), 1u);
    EXPECT_EQ(moves(0, 0, SDL_WINDOWEVENT_ENTER), 1u);
    EXPECT_EQ(moves(width, 10) + moves(10, height) + moves(-1, 10) + moves(10, -1), 0u);
    EXPECT_EQ(moves(10, height - 1, SDL_WINDOWEVENT_LEAVE), 0u) << "onto the edge as the pointer leaves";
}

}  // namespace
}  // namespace testing_sdl
