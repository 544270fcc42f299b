// The program: its title and its table of windows, the one place that
// knows every window.
#pragma once

#include <string_view>

#include "platform/runtime.h"

namespace tromfel {

inline constexpr std::string_view ProgramTitle = "Tromfel";

// The window that opens when the program starts.
inline constexpr std::string_view FirstWindow = "frmMenu";

// Enters frmLevel2, frmMenu and frmLevel1 in the runtime's table of windows.
void addWindows(platform::Runtime& runtime);

}  // namespace tromfel
