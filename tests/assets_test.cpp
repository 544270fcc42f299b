// The committed pictures: sizes, transparent corners and a key colour each,
// and the title as an opaque GIF of at most 128 colours.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A picture as 0xAARRGGBB pixels.
struct Picture {
    explicit Picture(const std::string& name) {
        SDL_Surface* loaded = IMG_Load((std::string(TROMFEL_ASSETS_DIR) + "/pictures/" + name).c_str());
        surface = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
        SDL_FreeSurface(loaded);
        if (!surface) throw std::runtime_error(name + ": " + IMG_GetError());
    }
    ~Picture() { SDL_FreeSurface(surface); }
    Uint32 at(int x, int y) const { return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x]; }
    SDL_Surface* surface;
};

TEST(Pictures, HaveTheirSizesTransparentCornersAndKeyColours) {
    const struct {
        const char* file;
        int side;
        bool clearCorner;
        int x, y;
        Uint32 colour;
    } pictures[] = {
        {"player.png", 32, true, 16, 16, 0xFFFF0000},          {"level_icon.png", 72, true, 38, 36, 0xFFFF0000},
        {"level_pointer.png", 16, true, 0, 0, 0xFF0000FF},     {"menu_pointer.png", 32, true, 0, 0, 0xFF000000},
        {"goal.png", 48, true, 0, 0, 0},                       {"bonus.png", 48, true, 32, 4, 0xFF000080},
        {"level1_obstacle.png", 64, false, 0, 0, 0xFFAF0000}, {"level2_obstacle.png", 64, false, 0, 0, 0xFF0000F3},
        {"level1_path.png", 64, false, 32, 32, 0xFF808080},   {"level2_path.png", 64, false, 32, 32, 0xFFFFFFFF},
        {"level1_spring.png", 64, false, 2, 32, 0xFFC0C0C0},  {"level2_spring.png", 64, false, 2, 32, 0xFFC0C0C0},
        {"box_exclamation.png", 32, true, 16, 22, 0xFFFFCC00}, {"box_error.png", 32, true, 16, 6, 0xFFCC0000},
    };
    for (const auto& p : pictures) {
        const Picture picture(p.file);
        EXPECT_EQ(picture.surface->w, p.side) << p.file;
        EXPECT_EQ(picture.surface->h, p.side) << p.file;
        EXPECT_EQ(picture.at(p.side - 1, p.side - 1) >> 24 == 0, p.clearCorner) << p.file;
        EXPECT_EQ(picture.at(p.x, p.y), p.colour) << p.file;
    }
}

TEST(Pictures, TheTitleIsAnOpaqueGifOfAtMost128Colours) {
    const Picture title("menu_title.gif");
    EXPECT_EQ(std::pair(title.surface->w, title.surface->h), std::pair(350, 250));
    EXPECT_EQ(title.at(0, 0), 0xFF000000u);
    std::set<Uint32> colours;
    for (int i = 0; i < 350 * 250; ++i) colours.insert(title.at(i % 350, i / 350));
    EXPECT_LE(colours.size(), 128u);
    EXPECT_TRUE(colours.contains(0xFFFFFFFF)) << "white lettering";
}

}  // namespace
