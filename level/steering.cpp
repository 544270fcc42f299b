// Form_KeyDown of the level windows: the steering table.
#include "level/level_window.h"
#include "platform/checked.h"
#include "platform/keys.h"
#include "platform/runtime.h"

namespace tromfel {

namespace {

constexpr float SteeringStep = 200;

struct SteeringRow {
    std::int16_t keyCode;
    float left, top;  // the moves, applied Left first; 0 leaves it alone
    bool endsProgram;
};

// Tested in this order; the first row with the key code acts.
constexpr SteeringRow SteeringTable[] = {
    {platform::VK_LEFT, -SteeringStep, 0, false},
    {platform::VK_RIGHT, +SteeringStep, 0, false},
    {platform::VK_UP, 0, -SteeringStep, false},
    {platform::VK_DOWN, 0, +SteeringStep, false},
    {platform::VK_ESCAPE, 0, 0, true},
    {platform::VK_HOME, -SteeringStep, +SteeringStep, false},  // left and down
    {platform::VK_SPACE, -SteeringStep, -SteeringStep, false},  // left and up
};

}  // namespace

void LevelWindow::Form_KeyDown(std::int16_t& KeyCode, std::int16_t&) {
    for (const SteeringRow& row : SteeringTable) {
        if (row.keyCode != KeyCode) continue;
        if (row.endsProgram) runtime().EndProgram();
        if (row.left != 0) platform::addTo(object1_, platform::Prop::Left, row.left);
        if (row.top != 0) platform::addTo(object1_, platform::Prop::Top, row.top);
        return;
    }
}

}  // namespace tromfel
