// The committed pictures: sizes, transparent parts and a few key colours the
// game and its players rely on.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string asset(const std::string& name) { return std::string(TROMFEL_ASSETS_DIR) + "/" + name; }

// A picture as 0xAARRGGBB pixels.
struct Picture {
    explicit Picture(const std::string& name) {
        SDL_Surface* loaded = IMG_Load(asset("pictures/" + name).c_str());
        if (!loaded) throw std::runtime_error(name + ": " + IMG_GetError());
        surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
    }
    ~Picture() { SDL_FreeSurface(surface); }
    Uint32 at(int x, int y) const { return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x]; }
    std::set<Uint32> colours() const {
        std::set<Uint32> found;
        for (int y = 0; y < surface->h; ++y) {
            for (int x = 0; x < surface->w; ++x) found.insert(at(x, y));
        }
        return found;
    }
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
    EXPECT_EQ(Picture("level_pointer.png").colours().size(), 2u) << "one blue pixel, the rest transparent";
    EXPECT_TRUE(Picture("level1_spring.png").colours().contains(0xFFBB0000)) << "the dark red J";
    EXPECT_TRUE(Picture("goal.png").colours().contains(0xFF976F6F)) << "the pole";
}

TEST(Pictures, TheTitleIsAnOpaqueGifOfAtMost128Colours) {
    const Picture title("menu_title.gif");
    EXPECT_EQ(title.surface->w, 350);
    EXPECT_EQ(title.surface->h, 250);
    EXPECT_EQ(title.at(0, 0), 0xFF000000u);
    const std::set<Uint32> colours = title.colours();
    EXPECT_LE(colours.size(), 128u);
    for (Uint32 colour : colours) EXPECT_EQ(colour >> 24, 0xFFu);
    EXPECT_TRUE(colours.contains(0xFFFFFFFF)) << "white lettering";
}

}  // namespace
