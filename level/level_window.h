// A level window: frmLevel1 or frmLevel2, one engine on its level's data.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "level/level_data.h"
#include "platform/runtime_error.h"
#include "platform/window.h"

namespace tromfel {

// Truth values: true has all bits set.
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

// Collision counts its first argument as this square from its Left and Top,
// whatever size it is drawn at.
inline constexpr float ContactBoxSize = 500;

class LevelWindow : public platform::Window {
public:
    LevelWindow(platform::Runtime& runtime, const LevelData& level);

    // Level state.
    std::int16_t BouncePhase = 0;  // 0 rising, 1 falling
    std::int16_t BouncePeak = 0;   // the width at which the rise turns
    std::int32_t SoundResult = 0;  // never read

    void Form_Load() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void Timer1_Timer() override;

    // Whether Objet2's box meets the contact box at Objet1's Left and Top;
    // any error answers False.
    std::int16_t Collision(const platform::Element& Objet1, const platform::Element& Objet2);

private:
    bool landedOn(const platform::Element& element);
    void bonusStep();
    std::int32_t playSound(std::string_view fileName);

    const LevelData& level_;
    platform::Element& object1_;
    platform::Element& object51_;
    platform::Element& won_;
    platform::Element* P10_;  // level two only
    // The contact order: spring pads, obstacles, path tiles.
    std::vector<platform::Element*> springPads_, obstacles_, paths_;
};

// Inline: every tick asks it about every tile.
[[gnu::always_inline]] inline std::int16_t LevelWindow::Collision(const platform::Element& Objet1,
                                                                  const platform::Element& Objet2) {
    try {
        // All six values are read before any comparison, so a failed read
        // answers False, never True.
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
