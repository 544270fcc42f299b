// The program's entry and the one owner of its process policy: signals, X
// errors, errors at start-up and the immediate exit.
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "platform/sdl_backend_factory.h"
#include "program/windows.h"

namespace {

// Interrupt and termination end the program at once with status 0, like
// Escape, wherever it is: in a procedure, a message box or still starting.
extern "C" void endAtOnce(int) { std::_Exit(0); }

}  // namespace

int main() {
    std::signal(SIGINT, endAtOnce);
    std::signal(SIGTERM, endAtOnce);
    platform::tolerateLateWakeups();
    try {
        const auto backend = platform::createSdlBackend();
        platform::Runtime runtime(*backend, std::string(tromfel::ProgramTitle));
        tromfel::addWindows(runtime);
        platform::exitAtOnce(runtime.run(runtime.window(tromfel::FirstWindow)));
    } catch (const std::exception& error) {
        std::cerr << "tromfel: " << error.what() << std::endl;
        platform::exitAtOnce(1);
    }
}
