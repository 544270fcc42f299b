// Checks the committed pictures and sounds in assets/: sizes, the pixels and
// colours the game relies on, opacity, and that each sound loads and differs.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Rgba {
    Uint8 r, g, b, a;
    bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rgba& c) {
    return os << '(' << +c.r << ',' << +c.g << ',' << +c.b << ',' << +c.a << ')';
}

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kNavy{0, 0, 128, 255};
constexpr Rgba kFrameGrey{192, 192, 192, 255};
constexpr Rgba kMidGrey{128, 128, 128, 255};

std::string asset(const std::string& name) { return std::string(TROMFEL_ASSETS_DIR) + "/" + name; }

// A picture read into RGBA32 so pixels compare the same whatever the file format.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgba> pixels;

    explicit Picture(const std::string& name) {
        SDL_Surface* loaded = IMG_Load(asset("pictures/" + name).c_str());
        if (loaded == nullptr) {
            ADD_FAILURE() << name << ": " << IMG_GetError();
            return;
        }
        SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(loaded);
        width = rgba->w;
        height = rgba->h;
        for (int y = 0; y < height; ++y) {
            const auto* row = static_cast<const Uint8*>(rgba->pixels) + y * rgba->pitch;
            for (int x = 0; x < width; ++x) {
                pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]});
            }
        }
        SDL_FreeSurface(rgba);
    }

    Rgba at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
    bool clear(int x, int y) const { return at(x, y).a == 0; }
    int count(const std::function<bool(Rgba)>& pred) const {
        int n = 0;
        for (Rgba c : pixels) n += pred(c) ? 1 : 0;
        return n;
    }
    int count(Rgba c) const {
        return count([c](Rgba p) { return p == c; });
    }
    int opaque() const {
        return count([](Rgba p) { return p.a == 255; });
    }
};

TEST(Pictures, SquaresHaveTheirSizes) {
    const std::pair<const char*, int> sides[] = {
        {"level_icon.png", 72},      {"level_pointer.png", 16},
        {"player.png", 32},          {"goal.png", 48},
        {"bonus.png", 48},           {"menu_pointer.png", 32},
        {"level1_obstacle.png", 64}, {"level1_path.png", 64},
        {"level1_spring.png", 64},   {"level2_obstacle.png", 64},
        {"level2_path.png", 64},     {"level2_spring.png", 64},
        {"box_exclamation.png", 32}, {"box_error.png", 32}};
    for (auto [file, side] : sides) {
        const Picture p(file);
        EXPECT_EQ(p.width, side) << file;
        EXPECT_EQ(p.height, side) << file;
    }
}

TEST(Pictures, SpritesHaveTheirKeyPixels) {
    const Picture player("player.png");
    EXPECT_EQ(player.at(16, 16), kRed);
    EXPECT_EQ(player.at(8, 16), kRed);
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        EXPECT_TRUE(player.clear(x, y));
    }
    EXPECT_GT(player.count(kWhite), 0);

    const Picture icon("level_icon.png");
    EXPECT_EQ(icon.at(38, 36), kRed);
    EXPECT_TRUE(icon.clear(0, 0));
    EXPECT_TRUE(icon.clear(71, 71));
    EXPECT_GT(icon.count(kWhite), 0);
    EXPECT_EQ(icon.count(kRed) + icon.count(kWhite), icon.opaque());

    const Picture pointer("level_pointer.png");
    EXPECT_EQ(pointer.at(0, 0), kBlue);
    EXPECT_EQ(pointer.opaque(), 1);
    EXPECT_EQ(pointer.count([](Rgba c) { return c.a != 0 && c.a != 255; }), 0);

    const Picture goal("goal.png");
    EXPECT_TRUE(goal.clear(0, 0));
    EXPECT_TRUE(goal.clear(47, 47));
    EXPECT_GT(goal.count(kWhite), 0);
    EXPECT_GT(goal.count(kBlack), 0);
    EXPECT_GT(goal.count({151, 111, 111, 255}), 0);

    const Picture menu("menu_pointer.png");
    EXPECT_EQ(menu.at(0, 0), kBlack);
    EXPECT_TRUE(menu.clear(31, 31));
    EXPECT_GT(menu.count(kWhite), 0);
    EXPECT_GT(menu.count(kBlue), 0);
}

TEST(Pictures, MessageBoxIconsHaveHardEdgedMarks) {
    const Picture warning("box_exclamation.png"), error("box_error.png");
    EXPECT_EQ(warning.at(16, 16), kBlack);
    EXPECT_EQ(warning.at(16, 22), (Rgba{255, 204, 0, 255}));
    EXPECT_EQ(error.at(16, 16), kWhite);
    EXPECT_EQ(error.at(16, 6), (Rgba{204, 0, 0, 255}));
    for (const Picture* icon : {&warning, &error}) {
        EXPECT_TRUE(icon->clear(0, 0));
        EXPECT_EQ(icon->opaque() + icon->count([](Rgba c) { return c.a == 0; }), 32 * 32);
    }
}

TEST(Pictures, BonusIsNavyChequer) {
    const Picture bonus("bonus.png");
    EXPECT_EQ(bonus.count(kNavy) + bonus.count([](Rgba c) { return c.a == 0; }), 48 * 48);
    EXPECT_GT(bonus.count(kNavy), 200);
    for (int y = 0; y < bonus.height; ++y) {
        for (int x = 0; x + 1 < bonus.width; ++x) {
            EXPECT_FALSE(bonus.at(x, y) == kNavy && bonus.at(x + 1, y) == kNavy) << x << ',' << y;
        }
    }
}

// Colour of the framed path square at distance `d` from the nearest edge.
Rgba frameAt(int d, Rgba inside) {
    if (d == 0 || d == 5) return kBlack;
    return d < 5 ? kFrameGrey : inside;
}

TEST(Pictures, TilesAreOpaqueWithTheirColours) {
    for (const char* file : {"level1_obstacle.png", "level1_path.png", "level1_spring.png",
                             "level2_obstacle.png", "level2_path.png", "level2_spring.png"}) {
        EXPECT_EQ(Picture(file).opaque(), 64 * 64) << file;
    }
    const struct {
        const char* path;
        const char* spring;
        Rgba inside, letter, outline;
    } levels[] = {
        {"level1_path.png", "level1_spring.png", kMidGrey, {187, 0, 0, 255}, kRed},
        {"level2_path.png", "level2_spring.png", kWhite, {55, 255, 55, 255}, {0, 127, 0, 255}}};
    for (const auto& level : levels) {
        const Picture path(level.path), spring(level.spring);
        for (int i = 0; i < 64; ++i) {
            const int d = std::min(i, 63 - i);
            EXPECT_EQ(path.at(i, 32), frameAt(d, level.inside)) << level.path << " x=" << i;
            EXPECT_EQ(path.at(32, i), frameAt(d, level.inside)) << level.path << " y=" << i;
            EXPECT_EQ(path.at(i, i), frameAt(d, level.inside)) << level.path << " diagonal " << i;
            if (d < 6) {
                EXPECT_EQ(spring.at(i, 32), frameAt(d, level.inside)) << level.spring << " x=" << i;
            }
        }
        EXPECT_EQ(spring.at(7, 7), level.inside) << level.spring;
        EXPECT_GT(spring.count(level.letter), 200) << level.spring;
        EXPECT_GT(spring.count(level.outline), 100) << level.spring;
    }

    const Picture lava("level1_obstacle.png");
    EXPECT_EQ(lava.at(0, 0), (Rgba{175, 0, 0, 255}));
    EXPECT_EQ(lava.at(63, 63), (Rgba{175, 0, 0, 255}));
    EXPECT_GT(lava.count({255, 67, 67, 255}), 0);
    EXPECT_GT(lava.count({255, 139, 139, 255}), 0);

    const Picture water("level2_obstacle.png");
    EXPECT_EQ(water.at(0, 0), (Rgba{0, 0, 243, 255}));
    EXPECT_EQ(water.count({0, 0, 243, 255}) + water.count({127, 127, 255, 255}), 64 * 64);
    EXPECT_GT(water.count({127, 127, 255, 255}), 5 * 64);
}

TEST(Pictures, TitleIsOpaqueOnBlack) {
    const Picture title("menu_title.gif");
    EXPECT_EQ(title.width, 350);
    EXPECT_EQ(title.height, 250);
    EXPECT_EQ(title.opaque(), 350 * 250);
    for (auto [x, y] : {std::pair{0, 0}, {349, 0}, {0, 249}, {349, 249}}) {
        EXPECT_EQ(title.at(x, y), kBlack);
    }
    EXPECT_GT(title.count(kWhite), 1000);
}

TEST(Sounds, AreShortDistinct16BitClips) {
    std::vector<std::vector<Uint8>> clips;
    for (const char* file : {"jump.wav", "path.wav", "won.wav", "10.wav"}) {
        SDL_AudioSpec spec;
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(asset(std::string("sounds/") + file).c_str(), &spec, &data, &length),
                  nullptr)
            << file << ": " << SDL_GetError();
        EXPECT_EQ(SDL_AUDIO_BITSIZE(spec.format), 16) << file;
        const double seconds = static_cast<double>(length) / (spec.channels * 2) / spec.freq;
        EXPECT_GE(seconds, 0.1) << file;
        EXPECT_LE(seconds, 1.0) << file;
        clips.emplace_back(data, data + length);
        SDL_FreeWAV(data);
    }
    for (std::size_t i = 0; i < clips.size(); ++i) {
        for (std::size_t j = i + 1; j < clips.size(); ++j) {
            EXPECT_NE(clips[i], clips[j]) << i << " vs " << j;
        }
    }
}

}  // namespace
