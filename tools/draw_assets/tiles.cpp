// Level tiles: framed path squares, springs marked with a J, and the two
// kinds of ground that must be avoided (bubbling lava, water).
#include "tiles.h"

#include <cmath>
#include <numbers>

#include "lettering.h"

namespace {

constexpr int kTile = 64;
constexpr int kInner = 6;  // first pixel of the flat square inside the frame
constexpr int kInnerSize = kTile - 2 * kInner;
constexpr Rgba kFrameGrey{192, 192, 192, 255};

Canvas framedSquare(Rgba inside) {
    Canvas c(kTile, kTile);
    c.fillRect(0, 0, kTile, kTile, kBlack);
    c.fillRect(1, 1, kTile - 2, kTile - 2, kFrameGrey);
    c.fillRect(5, 5, kTile - 10, kTile - 10, kBlack);
    c.fillRect(kInner, kInner, kInnerSize, kInnerSize, inside);
    return c;
}

Canvas springOn(Rgba inside, Rgba letter, Rgba outline) {
    constexpr int kOutline = 2;
    Canvas c = framedSquare(inside);
    const Mask j = lettering("J", 30, 44);
    const Mask rim = j.grown(kOutline);
    const int left = kInner + (kInnerSize - rim.width()) / 2;
    const int top = kInner + (kInnerSize - rim.height()) / 2;
    c.paint(rim, left, top, outline);
    c.paint(j, left + kOutline, top + kOutline, letter);
    return c;
}

}  // namespace

Canvas drawLevel1Path() { return framedSquare({128, 128, 128, 255}); }

Canvas drawLevel2Path() { return framedSquare(kWhite); }

Canvas drawLevel1Spring() {
    return springOn({128, 128, 128, 255}, {187, 0, 0, 255}, {255, 0, 0, 255});
}

Canvas drawLevel2Spring() { return springOn(kWhite, {55, 255, 55, 255}, {0, 127, 0, 255}); }

Canvas drawLevel1Obstacle() {
    struct Bubble {
        double x, y, radius;
    };
    // Kept clear of the edges so neighbouring tiles join without cut bubbles.
    constexpr Bubble kBubbles[] = {{18, 20, 9}, {46, 15, 6}, {42, 44, 8}, {16, 47, 4}, {30, 35, 3}};
    Canvas c(kTile, kTile);
    c.fillRect(0, 0, kTile, kTile, {175, 0, 0, 255});
    for (const Bubble& b : kBubbles) {
        c.fillDisc(b.x, b.y, b.radius, {255, 67, 67, 255});
        c.fillDisc(b.x - b.radius / 4, b.y - b.radius / 4, b.radius / 2.5, {255, 139, 139, 255});
    }
    return c;
}

Canvas drawLevel2Obstacle() {
    // Whole wave periods across the tile and even spacing across the seam,
    // so the water tiles join up in both directions.
    constexpr int kLines = 5;
    constexpr double kSpacing = static_cast<double>(kTile) / kLines;
    constexpr double kAmplitude = 2;
    constexpr double kWavesPerTile = 2;
    Canvas c(kTile, kTile);
    c.fillRect(0, 0, kTile, kTile, {0, 0, 243, 255});
    for (int line = 0; line < kLines; ++line) {
        const double base = kSpacing / 2 + line * kSpacing;
        for (int x = 0; x < kTile; ++x) {
            const double phase = 2 * std::numbers::pi * kWavesPerTile * (x + 0.5) / kTile;
            const double centre = base + kAmplitude * std::sin(phase);
            for (int y = 0; y < kTile; ++y) {
                if (std::abs(y + 0.5 - centre) < 0.9) c.set(x, y, {127, 127, 255, 255});
            }
        }
    }
    return c;
}
