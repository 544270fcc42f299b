// The program's entry: the SDL2 runtime with the program's windows, the
// first of them shown.
#include <exception>
#include <iostream>
#include <string>

#include "platform/sdl_backend_factory.h"
#include "program/windows.h"

int main() {
    try {
        const auto backend = platform::createSdlBackend();
        platform::Runtime runtime(*backend, std::string(tromfel::ProgramTitle));
        tromfel::addWindows(runtime);
        platform::exitAtOnce(runtime.run(runtime.window(tromfel::FirstWindow)));
    } catch (const std::exception& error) {
        std::cerr << "tromfel: " << error.what() << std::endl;
        return 1;
    }
}
