// Checked position arithmetic.
#include "platform/checked.h"

#include <cmath>
#include <string>

#include "platform/runtime_error.h"

namespace platform {

float checkedSingle(double value, const Element& element, Prop prop) {
    const auto where = [&] {
        return std::string(element.name()) + "." + std::string(propName(prop));
    };
    if (std::isnan(value)) throw RuntimeError("invalid operation in " + where());
    const float single = static_cast<float>(value);
    if (!std::isfinite(single)) throw RuntimeError("overflow in " + where());
    return single;
}

}  // namespace platform
