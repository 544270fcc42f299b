// Interrupt and termination end the program at once, like Escape.
#pragma once

namespace platform {

// Installs the handlers in place of SDL's, which would only queue a quit
// event: the program ends wherever it is, even inside a long procedure.
void endProgramOnSignals();

}  // namespace platform
