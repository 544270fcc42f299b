// Lookup of embedded files by name.
#include "platform/resources.h"

#include <string>

#include "platform/runtime_error.h"

namespace platform {

const Resource& resource(std::string_view name) {
    for (const Resource& entry : embeddedResources()) {
        if (entry.name == name) return entry;
    }
    throw RuntimeError("no embedded file " + std::string(name));
}

}  // namespace platform
