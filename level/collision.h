// Collision: the overlap test of the level windows, inline because every
// tick asks it about every tile.
#pragma once

#include "level/level_window.h"
#include "platform/runtime_error.h"

namespace tromfel {

// The first argument counts as this square from its Left and Top, whatever
// size it is drawn at.
inline constexpr float ContactBoxSize = 500;

[[gnu::always_inline]] inline std::int16_t LevelWindow::Collision(const platform::Element& Objet1,
                                                                  const platform::Element& Objet2) {
    try {
        // All six values are read before any comparison: a failed read
        // always answers False.
        const float x1 = platform::readByName(Objet1, "Left");
        const float y1 = platform::readByName(Objet1, "Top");
        const float x2 = platform::readByName(Objet2, "Left");
        const float y2 = platform::readByName(Objet2, "Top");
        const float w2 = platform::readByName(Objet2, "Width");
        const float h2 = platform::readByName(Objet2, "Height");
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
