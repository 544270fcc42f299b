// draw_assets OUTPUT_DIR: draws every picture into OUTPUT_DIR/pictures and
// every sound into OUTPUT_DIR/sounds. The title is written as PNG here; the
// wrapper script turns it into the GIF the game loads.
#include <SDL_ttf.h>

#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

#include "box_icons.h"
#include "sounds.h"
#include "sprites.h"
#include "tiles.h"
#include "title.h"
#include "wav.h"

namespace {

struct Picture {
    const char* file;
    std::function<Canvas()> draw;
};

struct Sound {
    const char* file;
    std::function<std::vector<double>()> make;
};

void run(const std::filesystem::path& out) {
    const Picture pictures[] = {
        {"player.png", drawPlayer},
        {"goal.png", drawGoal},
        {"bonus.png", drawBonus},
        {"level_icon.png", drawLevelIcon},
        {"level_pointer.png", drawLevelPointer},
        {"menu_pointer.png", drawMenuPointer},
        {"menu_title.png", drawTitle},
        {"level1_path.png", drawLevel1Path},
        {"level1_spring.png", drawLevel1Spring},
        {"level1_obstacle.png", drawLevel1Obstacle},
        {"level2_path.png", drawLevel2Path},
        {"level2_spring.png", drawLevel2Spring},
        {"level2_obstacle.png", drawLevel2Obstacle},
        {"box_exclamation.png", drawBoxExclamation},
        {"box_error.png", drawBoxError},
    };
    const Sound sounds[] = {
        {"jump.wav", jumpSound},
        {"path.wav", pathSound},
        {"won.wav", wonSound},
        {"10.wav", bonusSound},
    };

    std::filesystem::create_directories(out / "pictures");
    std::filesystem::create_directories(out / "sounds");
    for (const Picture& p : pictures) p.draw().savePng((out / "pictures" / p.file).string());
    for (const Sound& s : sounds) saveWav((out / "sounds" / s.file).string(), s.make());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: draw_assets OUTPUT_DIR\n";
        return 2;
    }
    if (TTF_Init() != 0) {
        std::cerr << "TTF_Init: " << TTF_GetError() << '\n';
        return 1;
    }
    int status = 0;
    try {
        run(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "draw_assets: " << e.what() << '\n';
        status = 1;
    }
    TTF_Quit();
    return status;
}
