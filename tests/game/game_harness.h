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
using namespace platform;  // the virtual-key codes, Prop and the colours

struct Game {
    explicit Game(PixelSize screen = {1024, 768}) : backend(screen) {
        backend.setProgramFolder("/tromfel");
        addWindows(runtime);
    }

    MenuWindow& menu() { return static_cast<MenuWindow&>(runtime.window("frmMenu")); }
    LevelWindow& level1() { return static_cast<LevelWindow&>(runtime.window("frmLevel1")); }
    LevelWindow& level2() { return static_cast<LevelWindow&>(runtime.window("frmLevel2")); }

    // Opens a window straight away, as the program's start, a click on
    // "Start" or a goal would; the record starts empty.
    template <typename W>
    W& open(W& window) {
        runtime.start(window);
        backend.clearRecords();
        return window;
    }
    // Delivers pending input, then `count` ticks of whatever window is open.
    void ticks(int count) {
        for (int i = 0; i < count && !runtime.ended(); ++i) runtime.runUntil(runtime.nextTick());
    }
    // Delivers pending input without letting a tick come.
    void input() { runtime.runUntil(backend.now()); }
    void keys(std::int16_t code, int count = 1) {
        for (int i = 0; i < count; ++i) backend.pressKey(code);
        input();
    }

    static Record sound(const std::string& file) { return {Kind::Sound, "/tromfel" + file}; }
    static Record message(const std::string& text, int code) { return {Kind::Message, text, code}; }
    static Record shown(const std::string& window) { return {Kind::Shown, window}; }
    static Record closed(const std::string& window) { return {Kind::Closed, window}; }
    const std::vector<Record>& records() const { return backend.records(); }

    HeadlessBackend backend;
    Runtime runtime{backend, std::string(ProgramTitle)};
};

// Pointer positions on a 1024 x 768 screen, a twip inside "Start"'s top-left
// corner and "Exit"'s bottom-right one, where the menu's load step puts them.
inline constexpr float StartX = 9681 / 15.0f, StartY = 3851 / 15.0f;
inline constexpr float ExitX = (9780 + 1214) / 15.0f, ExitY = (4850 + 854) / 15.0f;

inline void place(LevelWindow& level, float left, float top) {
    level.element("object1").set(Prop::Left, left);
    level.element("object1").set(Prop::Top, top);
}

}  // namespace tromfel::testing
