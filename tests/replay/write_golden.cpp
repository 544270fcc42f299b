// Writes the golden record of the replay script to standard output: run
// only on purpose, after a change of the game's rules that is meant.
#include <fstream>
#include <iostream>
#include <sstream>

#include "replay.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: replay_write_golden SCRIPT SOUND_FOLDER > golden.txt\n";
        return 2;
    }
    std::ifstream script(argv[1]);
    std::ostringstream text;
    text << script.rdbuf();
    std::cout << tromfel::testing::replay(text.str(), argv[2]);
}
