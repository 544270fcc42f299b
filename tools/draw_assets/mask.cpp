// Mask storage and thickening.
#include "mask.h"

#include <cstddef>

Mask::Mask(int width, int height)
    : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height), false) {}

bool Mask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return bits_[static_cast<std::size_t>(y * width_ + x)];
}

void Mask::set(int x, int y, bool on) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    bits_[static_cast<std::size_t>(y * width_ + x)] = on;
}

Mask Mask::grown(int radius) const {
    Mask out(width_ + 2 * radius, height_ + 2 * radius);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            bool hit = false;
            for (int dy = -radius; dy <= radius && !hit; ++dy) {
                for (int dx = -radius; dx <= radius && !hit; ++dx) {
                    hit = dx * dx + dy * dy <= radius * radius &&
                          at(x - radius + dx, y - radius + dy);
                }
            }
            out.set(x, y, hit);
        }
    }
    return out;
}
