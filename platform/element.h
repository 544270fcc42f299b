// A screen element of an open window: picture, text label or timer, with the
// properties the game reads and writes.
#pragma once

#include <string_view>

#include "platform/design.h"

namespace platform {

class Window;

enum class Prop { Left, Top, Width, Height };

std::string_view propName(Prop prop);

class Element {
public:
    Element(Window& owner, const ElementDesign& design);

    std::string_view name() const { return design_.name; }
    ElementKind kind() const { return design_.kind; }
    const ElementDesign& design() const { return design_; }
    Window& window() const { return owner_; }

    // Rectangle in single-precision twips; each gives back exactly the value
    // last written. A timer has none of them.
    float get(Prop prop) const;
    void set(Prop prop, float value);
    float Left() const { return get(Prop::Left); }
    float Top() const { return get(Prop::Top); }
    float Width() const { return get(Prop::Width); }
    float Height() const { return get(Prop::Height); }

    bool Visible() const;
    void setVisible(bool visible);

    Colour ForeColor() const;
    void setForeColor(Colour colour);

    // Back to the stored design: done by the window on every fresh layout.
    void layOut();

private:
    void requireOpen(std::string_view property) const;
    void changed();

    Window& owner_;
    const ElementDesign& design_;
    float rect_[4] = {};
    bool visible_ = true;
    Colour foreColor_ = 0;
};

// Reads "Left", "Top", "Width" or "Height" by name; any other name, or a
// property the element lacks, is a run-time error.
double readByName(const Element& element, std::string_view property);

}  // namespace platform
