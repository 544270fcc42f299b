// The table of windows: each one's name and how its instance is made.
#include "program/windows.h"

#include <memory>

#include "level/level_data.h"
#include "level/level_window.h"
#include "menu/menu_window.h"

namespace tromfel {

void addWindows(platform::Runtime& runtime) {
    runtime.addWindow("frmLevel2", [](platform::Runtime& r) { return std::make_unique<LevelWindow>(r, Level2); });
    runtime.addWindow("frmMenu", [](platform::Runtime& r) { return std::make_unique<MenuWindow>(r); });
    runtime.addWindow("frmLevel1", [](platform::Runtime& r) { return std::make_unique<LevelWindow>(r, Level1); });
}

}  // namespace tromfel
