// The program's entry: the SDL2 runtime with the menu as its first window.
#include <exception>
#include <iostream>

#include "level/program.h"
#include "platform/sdl_backend_factory.h"

int main() {
    try {
        const auto backend = platform::createSdlBackend();
        platform::Runtime runtime(*backend, tromfel::ProgramTitle);
        tromfel::Program program(runtime);
        platform::exitAtOnce(program.run());
    } catch (const std::exception& error) {
        std::cerr << "tromfel: " << error.what() << std::endl;
        return 1;
    }
}
