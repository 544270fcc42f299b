// The level window's elements and its load step.
#include "level/level_window.h"

#include <string>

namespace tromfel {

namespace {

std::vector<platform::Element*> family(platform::Window& window, std::string_view word, std::vector<int> numbers) {
    std::vector<platform::Element*> elements;
    for (int number : numbers) {
        std::string name(word);
        if (number > 0) name += std::to_string(number);
        elements.push_back(&window.element(name));
    }
    return elements;
}

std::vector<int> range(int first, int last) {
    std::vector<int> numbers;
    for (int number = first; number <= last; ++number) numbers.push_back(number);
    return numbers;
}

}  // namespace

LevelWindow::LevelWindow(platform::Runtime& runtime, const LevelData& level)
    : platform::Window(runtime, level.design),
      level_(level),
      object1_(element("object1")),
      object51_(element("object51")),
      won_(element("won")),
      P10_(level.hasBonus ? &element("P10") : nullptr),
      springPads_(family(*this, "invisible", {0, 2, 3, 4})),
      obstacles_(family(*this, "object", range(2, level.lastObstacle))),
      paths_(family(*this, "path", range(1, 9))) {}

void LevelWindow::Form_Load() { BouncePeak = 1000; }

}  // namespace tromfel
