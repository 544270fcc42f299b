// The committed script played through the real program must give the
// committed golden record, line for line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "replay.h"

namespace tromfel::testing {
namespace {

std::string read(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(Replay, TheScriptGivesTheGoldenRecord) {
    const std::string golden = read(TROMFEL_REPLAY_DIR "/golden.txt");
    ASSERT_FALSE(golden.empty()) << "no golden record";
    const std::string record = replay(read(TROMFEL_REPLAY_DIR "/script.txt"), TROMFEL_SOUNDS_DIR);
    std::istringstream expected(golden), actual(record);
    std::string want, got;
    for (int line = 1; std::getline(expected, want); ++line) {
        ASSERT_TRUE(std::getline(actual, got)) << "the record ends before line " << line;
        ASSERT_EQ(got, want) << "line " << line;
    }
    EXPECT_FALSE(std::getline(actual, got)) << "the record goes on: " << got;
}

}  // namespace
}  // namespace tromfel::testing
