// Files embedded in the executable at build time: pictures and the font.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace platform {

struct Resource {
    std::string_view name;  // the file's name, e.g. "player.png"
    const unsigned char* data;
    std::size_t size;
};

// The table the build generates for each executable.
std::span<const Resource> embeddedResources();

// The resource of that name; a missing one is a run-time error.
const Resource& resource(std::string_view name);

}  // namespace platform
