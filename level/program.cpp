// The program's table of windows and its start.
#include "level/program.h"

#include "level/level_window.h"
#include "menu/menu_window.h"

namespace tromfel {

Program::Program(platform::Runtime& runtime) : runtime_(runtime) {}

Program::~Program() = default;

MenuWindow& Program::menu() {
    if (!menu_) menu_ = std::make_unique<MenuWindow>(*this, runtime_);
    return *menu_;
}

LevelWindow& Program::level1() {
    if (!level1_) level1_ = std::make_unique<LevelWindow>(*this, runtime_, Level1);
    return *level1_;
}

LevelWindow& Program::level2() {
    if (!level2_) level2_ = std::make_unique<LevelWindow>(*this, runtime_, Level2);
    return *level2_;
}

platform::Window& Program::frmMenu() { return menu(); }
platform::Window& Program::frmLevel1() { return level1(); }
platform::Window& Program::frmLevel2() { return level2(); }

int Program::run() { return runtime_.run(frmMenu()); }

void Program::start() { runtime_.start(frmMenu()); }

}  // namespace tromfel
