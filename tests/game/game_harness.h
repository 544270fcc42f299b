// The real program on the headless backend, with a virtual clock, and the
// shorthands the game's tests share.
#pragma once

#include <string>
#include <vector>

#include "level/level_window.h"
#include "menu/menu_window.h"
#include "platform/headless_backend.h"
#include "platform/keys.h"
#include "program/windows.h"

namespace tromfel::testing {

using Record = platform::HeadlessBackend::Record;
using Kind = Record::Kind;

// The program's windows by their kinds.
struct Windows {
    platform::Runtime& runtime;
    MenuWindow& menu() { return static_cast<MenuWindow&>(runtime.window("frmMenu")); }
    LevelWindow& level1() { return static_cast<LevelWindow&>(runtime.window("frmLevel1")); }
    LevelWindow& level2() { return static_cast<LevelWindow&>(runtime.window("frmLevel2")); }
    platform::Window& frmMenu() { return menu(); }
    platform::Window& frmLevel1() { return level1(); }
    platform::Window& frmLevel2() { return level2(); }
    void start() { runtime.start(runtime.window(FirstWindow)); }
};

struct Game {
    explicit Game(platform::PixelSize screen = {1024, 768}) : backend(screen) {
        backend.setProgramFolder(TROMFEL_SOUNDS_DIR);
        addWindows(runtime);
    }

    // Delivers pending input, then `count` ticks of whatever window is open.
    void ticks(int count) {
        for (int i = 0; i < count && !runtime.ended(); ++i) runtime.runUntil(runtime.nextTick());
    }
    // Delivers pending input without letting a tick come.
    void input() { runtime.runUntil(backend.now()); }
    void key(std::int16_t code, std::int16_t shift = 0) {
        backend.pressKey(code, shift);
        input();
    }

    // Opens a level straight away, as the menu's "Start" or a goal would.
    LevelWindow& openLevel(LevelWindow& level) {
        runtime.start(level);
        backend.clearRecords();
        return level;
    }

    static Record sound(const std::string& file) { return {Kind::Sound, std::string(TROMFEL_SOUNDS_DIR) + file}; }
    static Record message(const std::string& text, int code) { return {Kind::Message, text, code}; }
    static Record shown(const std::string& window) { return {Kind::Shown, window}; }
    static Record closed(const std::string& window) { return {Kind::Closed, window}; }
    const std::vector<Record>& records() const { return backend.records(); }

    platform::HeadlessBackend backend;
    platform::Runtime runtime{backend, std::string(ProgramTitle)};
    Windows program{runtime};
};

inline void place(LevelWindow& level, float left, float top) {
    level.element("object1").set(platform::Prop::Left, left);
    level.element("object1").set(platform::Prop::Top, top);
}

}  // namespace tromfel::testing
