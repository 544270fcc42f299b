// Warning triangle and error disc for the message box, drawn with hard edges
// so their colours stay exact.
#include "box_icons.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgba kYellow{255, 204, 0, 255};
constexpr Rgba kDarkRed{204, 0, 0, 255};

// Signed distance from (px, py) to the line through a and b; positive on the
// right of a -> b, which is inside for a clockwise triangle (y grows downwards).
double rightDistance(double ax, double ay, double bx, double by, double px, double py) {
    return ((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / std::hypot(bx - ax, by - ay);
}

}  // namespace

Canvas drawBoxExclamation() {
    constexpr double kTopX = 16, kTopY = 1, kLeft = 0.5, kRight = 31.5, kBase = 30.5;
    constexpr double kOutline = 1.6;
    Canvas c(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double inside = std::min({rightDistance(kTopX, kTopY, kRight, kBase, px, py),
                                            rightDistance(kRight, kBase, kLeft, kBase, px, py),
                                            rightDistance(kLeft, kBase, kTopX, kTopY, px, py)});
            if (inside >= 0) c.set(x, y, inside < kOutline ? kBlack : kYellow);
        }
    }
    // Bar and dot two pixels wide, straddling the centre line.
    c.fillRect(15, 10, 2, 11, kBlack);
    c.fillRect(15, 24, 2, 2, kBlack);
    return c;
}

Canvas drawBoxError() {
    // Each stroke is 3 pixels wide in every row and ends flat after kArm rows
    // either side of the centre.
    constexpr double kCentre = 16, kArm = 7;
    Canvas c(32, 32);
    c.fillDisc(kCentre, kCentre, 15, kDarkRed);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
            const bool onStroke = std::abs(dx - dy) <= 1 || std::abs(dx + dy) <= 1;
            if (onStroke && std::abs(dy) <= kArm) c.set(x, y, kWhite);
        }
    }
    return c;
}
