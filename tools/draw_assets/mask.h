// A grid of on/off pixels: the shape of a glyph, an outline or a glow.
#pragma once

#include <vector>

class Mask {
public:
    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Pixels outside the grid read as off, so shapes can be probed past their edge.
    bool at(int x, int y) const;
    void set(int x, int y, bool on);

    // The shape thickened by `radius` pixels in every direction (round brush);
    // the result is 2 * radius larger on each axis so nothing is cut off.
    Mask grown(int radius) const;

private:
    int width_;
    int height_;
    std::vector<bool> bits_;
};
