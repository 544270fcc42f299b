// "Tromfel" in white, standing on a red extrusion that glows into the black.
// Shades come in a few fixed steps so the picture fits a small GIF palette
// without any colour being approximated.
#include "title.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "lettering.h"

namespace {

constexpr int kWidth = 350;
constexpr int kHeight = 250;
constexpr int kTextWidth = 288;
constexpr int kDepth = 12;       // extrusion length, down and right
constexpr int kGlowRadius = 10;  // how far the glow reaches past the letters
constexpr int kGlowSteps = 16;
constexpr Rgba kDeepRed{90, 0, 0, 255};
constexpr Rgba kNearRed{255, 40, 40, 255};
constexpr Rgba kGlowRed{230, 0, 0, 255};

// Distance from each pixel to the nearest pixel of `solid`, looked for only
// within `reach`; anything further away reads as reach + 1.
std::vector<double> distances(const Mask& solid, int reach) {
    std::vector<double> out(static_cast<std::size_t>(solid.width() * solid.height()), reach + 1.0);
    for (int y = 0; y < solid.height(); ++y) {
        for (int x = 0; x < solid.width(); ++x) {
            if (!solid.at(x, y)) continue;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int px = x + dx, py = y + dy;
                    if (px < 0 || py < 0 || px >= solid.width() || py >= solid.height()) continue;
                    double& d = out[static_cast<std::size_t>(py * solid.width() + px)];
                    d = std::min(d, std::hypot(dx, dy));
                }
            }
        }
    }
    return out;
}

}  // namespace

Canvas drawTitle() {
    const Mask text = lettering("Tromfel", kTextWidth);
    const int left = (kWidth - text.width() - kDepth) / 2;
    const int top = (kHeight - text.height() - kDepth) / 2;

    Mask solid(kWidth, kHeight);
    for (int d = 0; d <= kDepth; ++d) {
        for (int y = 0; y < text.height(); ++y) {
            for (int x = 0; x < text.width(); ++x) {
                if (text.at(x, y)) solid.set(left + x + d, top + y + d, true);
            }
        }
    }

    Canvas c(kWidth, kHeight);
    c.fillRect(0, 0, kWidth, kHeight, kBlack);
    const std::vector<double> distance = distances(solid, kGlowRadius);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double d = distance[static_cast<std::size_t>(y * kWidth + x)];
            if (d == 0 || d > kGlowRadius) continue;
            const double fade = std::pow(1 - d / (kGlowRadius + 1), 2);
            const double stepped = std::round(fade * kGlowSteps) / kGlowSteps;
            c.set(x, y, mix(kBlack, kGlowRed, stepped));
        }
    }
    // Back to front, so each nearer, brighter layer covers the one behind.
    for (int d = kDepth; d >= 1; --d) {
        c.paint(text, left + d, top + d, mix(kNearRed, kDeepRed, (d - 1.0) / (kDepth - 1)));
    }
    c.paint(text, left, top, kWhite);
    return c;
}
