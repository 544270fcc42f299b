// Sound files as the game names them: a folder and a literal that begins
// with a backslash, mapped to this system's separator when opened.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string nativePath(std::string_view path);

// Whether the file at `path` is a WAV file that can be played.
bool isPlayableWav(const std::string& nativePath);

}  // namespace platform
