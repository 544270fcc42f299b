// Checked position arithmetic: results are formed in double precision, tested
// for a floating-point fault, and only then stored as single precision.
#pragma once

#include "platform/element.h"

namespace platform {

// `value`, computed for element.prop, rounded to single precision. A value
// that is not a number, or that overflows single precision, is a run-time
// error naming element.prop.
float checkedSingle(double value, const Element& element, Prop prop);

// a + b for element.prop, checked and rounded to single precision.
inline float checkedSum(double a, double b, const Element& element, Prop prop) {
    return checkedSingle(a + b, element, prop);
}

// element.prop += delta, checked; on a fault the property is left unwritten.
inline void addTo(Element& element, Prop prop, double delta) {
    element.set(prop, checkedSum(element.get(prop), delta, element, prop));
}

}  // namespace platform
