// Element properties with the checks every access makes.
#include "platform/element.h"

#include <string>

#include "platform/runtime_error.h"
#include "platform/window.h"

namespace platform {

std::string_view propName(Prop prop) {
    switch (prop) {
        case Prop::Left: return "Left";
        case Prop::Top: return "Top";
        case Prop::Width: return "Width";
        case Prop::Height: return "Height";
    }
    return "?";
}

Element::Element(Window& owner, const ElementDesign& design) : owner_(owner), design_(design) {
    layOut();
}

void Element::layOut() {
    rect_[0] = design_.left;
    rect_[1] = design_.top;
    rect_[2] = design_.width;
    rect_[3] = design_.height;
    visible_ = true;
    foreColor_ = design_.foreColor;
}

void Element::requireOpen(std::string_view property) const {
    if (!owner_.isOpen()) {
        throw RuntimeError(std::string(name()) + "." + std::string(property) +
                           " used while " + std::string(owner_.name()) + " is closed");
    }
}

void Element::changed() { owner_.invalidate(); }

void Element::failToRead(Prop prop) const {
    requireOpen(propName(prop));
    throw RuntimeError(std::string(name()) + " has no property " + std::string(propName(prop)));
}

void Element::set(Prop prop, float value) {
    get(prop);
    float& slot = rect_[static_cast<int>(prop)];
    if (slot != value) {
        slot = value;
        changed();
    }
}

bool Element::Visible() const {
    requireOpen("Visible");
    return visible_;
}

void Element::setVisible(bool visible) {
    requireOpen("Visible");
    if (visible_ != visible) {
        visible_ = visible;
        changed();
    }
}

Colour Element::ForeColor() const {
    requireOpen("ForeColor");
    return foreColor_;
}

void Element::setForeColor(Colour colour) {
    requireOpen("ForeColor");
    if (foreColor_ != colour) {
        foreColor_ = colour;
        changed();
    }
}

void failToReadByName(const Element& element, std::string_view property) {
    throw RuntimeError(std::string(element.name()) + " has no property " + std::string(property));
}

}  // namespace platform
