// Interrupt and termination end the program at once, like Escape.
#pragma once

namespace platform {

// Installs the handlers. A message box shows from a child process of SDL's,
// so the handlers take that child down too; otherwise its box would stay on
// screen after the program has gone.
void endProgramOnSignals();

}  // namespace platform
