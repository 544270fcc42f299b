// Collision: the overlap test of the level windows.
#include "level/level_window.h"
#include "platform/runtime_error.h"

namespace tromfel {

namespace {

// The first argument counts as this square from its Left and Top, whatever
// size it is drawn at.
constexpr float ContactBoxSize = 500;

}  // namespace

std::int16_t LevelWindow::Collision(const platform::Element& Objet1, const platform::Element& Objet2) {
    try {
        const float x1 = static_cast<float>(platform::readByName(Objet1, "Left"));
        const float y1 = static_cast<float>(platform::readByName(Objet1, "Top"));
        const float x2 = static_cast<float>(platform::readByName(Objet2, "Left"));
        const float y2 = static_cast<float>(platform::readByName(Objet2, "Top"));
        const float w2 = static_cast<float>(platform::readByName(Objet2, "Width"));
        const float h2 = static_cast<float>(platform::readByName(Objet2, "Height"));
        const float right1 = x1 + ContactBoxSize;
        const float bottom1 = y1 + ContactBoxSize;
        const float right2 = x2 + w2;
        const float bottom2 = y2 + h2;
        return x2 <= right1 && x1 <= right2 && y2 <= bottom1 && y1 <= bottom2 ? True : False;
    } catch (const platform::RuntimeError&) {
        return False;
    }
}

}  // namespace tromfel
