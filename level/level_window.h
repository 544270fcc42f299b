// A level window: frmLevel1 or frmLevel2, one engine on its level's data.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "level/level_data.h"
#include "platform/window.h"

namespace tromfel {

class Program;

// Truth values of the original program: true has all bits set.
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

class LevelWindow : public platform::Window {
public:
    LevelWindow(Program& program, platform::Runtime& runtime, const LevelData& level);

    // Level state.
    std::int16_t BouncePhase = 0;  // 0 rising, 1 falling
    std::int16_t BouncePeak = 0;   // the width at which the rise turns
    std::int32_t SoundResult = 0;  // never read

    void Form_Load() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void Timer1_Timer() override;

    // Whether Objet2's box meets the 500 x 500 contact box at Objet1's
    // Left and Top; any error answers False.
    std::int16_t Collision(const platform::Element& Objet1, const platform::Element& Objet2);

private:
    bool landedOn(const platform::Element& element);
    void bonusStep();
    std::int32_t playSound(std::string_view fileName);

    Program& program_;
    const LevelData& level_;
    platform::Element& object1_;
    platform::Element& object51_;
    platform::Element& won_;
    platform::Element* P10_;  // level two only
    // The contact order: spring pads, obstacles, path tiles.
    std::vector<platform::Element*> springPads_, obstacles_, paths_;
};

}  // namespace tromfel

// Collision is inline: every tick asks it about every tile.
#include "level/collision.h"
