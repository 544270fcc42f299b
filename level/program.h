// The program's windows, each created on first use, and its start.
#pragma once

#include <memory>

#include "platform/runtime.h"
#include "platform/window.h"

namespace tromfel {

class LevelWindow;
class MenuWindow;

inline constexpr const char* ProgramTitle = "Tromfel";

class Program {
public:
    explicit Program(platform::Runtime& runtime);
    ~Program();

    platform::Window& frmMenu();
    platform::Window& frmLevel1();
    platform::Window& frmLevel2();

    // The typed windows, for tests.
    MenuWindow& menu();
    LevelWindow& level1();
    LevelWindow& level2();

    // Opens the first window, the menu, and runs until the program ends.
    int run();
    // The same in steps: opens the menu; the caller delivers the events.
    void start();

private:
    platform::Runtime& runtime_;
    std::unique_ptr<LevelWindow> level2_;
    std::unique_ptr<MenuWindow> menu_;
    std::unique_ptr<LevelWindow> level1_;
};

}  // namespace tromfel
