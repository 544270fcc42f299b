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

    // Rectangle in single-precision twips; each gives back exactly the value
    // last written. A timer has none of them.
    float get(Prop prop) const {
        if (!readable()) failToRead(prop);
        return rect_[static_cast<int>(prop)];
    }
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
    // Kept by the window as it opens and closes: whether the rectangle can
    // be read now, checked on every read without looking at the window.
    void windowOpened(bool open) { readable_ = open && design_.kind != ElementKind::Timer; }

private:
    bool readable() const;
    [[noreturn]] void failToRead(Prop prop) const;
    void requireOpen(std::string_view property) const;
    void changed();

    Window& owner_;
    const ElementDesign& design_;
    bool readable_ = false;
    float rect_[4] = {};
    bool visible_ = true;
    Colour foreColor_ = 0;
};

[[noreturn]] void failToReadByName(const Element& element, std::string_view property);

// Reads "Left", "Top", "Width" or "Height" by name; any other name, or a
// property the element lacks, is a run-time error. Always inlined, so that
// a name written in the code costs no comparison at run time.
[[gnu::always_inline]] inline float readByName(const Element& element, std::string_view property) {
    if (property == "Left") return element.get(Prop::Left);
    if (property == "Top") return element.get(Prop::Top);
    if (property == "Width") return element.get(Prop::Width);
    if (property == "Height") return element.get(Prop::Height);
    failToReadByName(element, property);
}

inline bool Element::readable() const { return readable_; }

}  // namespace platform
