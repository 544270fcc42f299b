// Ball, flag, bonus, level marker and pointers, drawn with hard edges so
// their colours stay exact.
#include "sprites.h"

#include <cmath>
#include <numbers>

#include "lettering.h"

namespace {

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kNavy{0, 0, 128, 255};
constexpr Rgba kPoleBrown{151, 111, 111, 255};

// A highlight hugging the inside of a circle's rim: thickest at `angle`
// (degrees, clockwise from the right since y grows downwards) and tapering
// to nothing `halfSpan` degrees to either side.
void paintCrescent(Canvas& c, double cx, double cy, double outer, double angle, double halfSpan,
                   double thickness, Rgba colour) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double r = std::hypot(dx, dy);
            double off = std::atan2(dy, dx) * 180 / std::numbers::pi - angle;
            off = std::remainder(off, 360.0);
            const double t = 1 - std::abs(off) / halfSpan;
            if (t > 0 && r <= outer && r >= outer - thickness * std::sqrt(t)) c.set(x, y, colour);
        }
    }
}

bool rightOf(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax) >= 0;
}

}  // namespace

Canvas drawPlayer() {
    Canvas c(32, 32);
    c.fillDisc(16, 16, 16, kRed);
    paintCrescent(c, 16, 16, 13, 55, 38, 3, kWhite);
    return c;
}

Canvas drawLevelIcon() {
    Canvas c(72, 72);
    c.fillDisc(38.5, 36.5, 16.5, kRed);
    paintCrescent(c, 38.5, 36.5, 13.5, 45, 40, 3, kWhite);
    return c;
}

Canvas drawLevelPointer() {
    Canvas c(16, 16);
    c.set(0, 0, kBlue);
    return c;
}

Canvas drawGoal() {
    // A 6 x 3 chequer sheared upwards to the right, so the flag seems to fly.
    constexpr int kLeft = 6, kWidth = 36, kCell = 6, kRows = 3;
    constexpr double kTopAtLeft = 14, kRise = 0.3;
    constexpr int kClothHeight = kCell * kRows;
    Canvas c(48, 48);
    for (int x = kLeft; x < kLeft + kWidth; ++x) {
        const double top = kTopAtLeft - (x + 0.5 - kLeft) * kRise;
        for (int y = 0; y < c.height(); ++y) {
            const double down = y + 0.5 - top;
            if (down < 0 || down >= kClothHeight) continue;
            const int column = (x - kLeft) / kCell;
            const int row = static_cast<int>(down) / kCell;
            c.set(x, y, (column + row) % 2 == 0 ? kWhite : kBlack);
        }
    }
    const int poleTop = static_cast<int>(kTopAtLeft) + kClothHeight;
    c.fillRect(kLeft, poleTop, 3, 47 - poleTop, kPoleBrown);
    return c;
}

Canvas drawBonus() {
    // Only every other pixel is inked so the bonus looks see-through.
    Canvas c(48, 48);
    const Mask digits = lettering("10", 44, 40);
    const int left = (c.width() - digits.width()) / 2;
    const int top = (c.height() - digits.height()) / 2;
    for (int y = 0; y < digits.height(); ++y) {
        for (int x = 0; x < digits.width(); ++x) {
            if (digits.at(x, y) && (left + x + top + y) % 2 == 0) c.set(left + x, top + y, kNavy);
        }
    }
    return c;
}

Canvas drawMenuPointer() {
    // Triangle with its tip in the top-left pixel, blue towards its base.
    constexpr double kAx = 0, kAy = 0, kBx = 31, kBy = 13, kCx = 13, kCy = 31;
    constexpr int kBlueFrom = 28;  // x + y at which the blue part starts
    Mask inside(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            inside.set(x, y,
                       rightOf(kAx, kAy, kBx, kBy, px, py) && rightOf(kBx, kBy, kCx, kCy, px, py) &&
                           rightOf(kCx, kCy, kAx, kAy, px, py));
        }
    }
    Canvas c(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!inside.at(x, y)) continue;
            const bool edge = !inside.at(x - 1, y) || !inside.at(x + 1, y) ||
                              !inside.at(x, y - 1) || !inside.at(x, y + 1);
            c.set(x, y, edge ? kBlack : (x + y >= kBlueFrom ? kBlue : kWhite));
        }
    }
    return c;
}
