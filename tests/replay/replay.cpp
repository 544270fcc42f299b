// The replay: script in, per-tick record out.
#include "replay.h"

#include <iomanip>
#include <sstream>
#include <stdexcept>

#include "level/level_window.h"
#include "level/program.h"
#include "menu/menu_window.h"
#include "platform/headless_backend.h"

namespace tromfel::testing {

namespace {

struct Event {
    long tick;
    std::string kind;
    float x = 0, y = 0;
    int code = 0;
    int times = 1;
};

std::vector<Event> parse(const std::string& script) {
    std::vector<Event> events;
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Event event;
        if (!(words >> event.tick)) continue;
        words >> event.kind;
        if (event.kind == "key") {
            words >> event.code;
            if (!(words >> event.times)) {
                event.times = 1;
                words.clear();
            }
        } else if (event.kind == "move" || event.kind == "click") {
            words >> event.x >> event.y;
        }
        if (!words || (event.kind != "key" && event.kind != "move" && event.kind != "click")) {
            throw std::runtime_error("bad replay line: " + line);
        }
        events.push_back(event);
    }
    return events;
}

class Recorder {
public:
    Recorder(platform::HeadlessBackend& backend, std::ostream& out) : backend_(backend), out_(out) {}

    // Writes the records the backend has made since the last call.
    void flush() {
        const auto& records = backend_.records();
        for (; written_ < records.size(); ++written_) {
            const auto& record = records[written_];
            using Kind = platform::HeadlessBackend::Record::Kind;
            switch (record.kind) {
                case Kind::Shown: out_ << "  shown " << record.text << '\n'; break;
                case Kind::Closed: out_ << "  closed " << record.text << '\n'; break;
                case Kind::Message: out_ << "  message " << record.code << " \"" << record.text << "\"\n"; break;
                case Kind::Sound:
                    out_ << "  sound " << record.text.substr(record.text.rfind('\\')) << '\n';
                    break;
            }
        }
    }

private:
    platform::HeadlessBackend& backend_;
    std::ostream& out_;
    std::size_t written_ = 0;
};

void writeLevel(std::ostream& out, long tick, LevelWindow& level) {
    const platform::Element& object1 = level.element("object1");
    out << tick << ' ' << level.name() << ' ' << object1.Left() << ' ' << object1.Top() << ' ' << object1.Width()
        << ' ' << object1.Height() << " phase " << level.BouncePhase << " peak " << level.BouncePeak;
    if (level.name() == "frmLevel2") out << " P10 " << (level.element("P10").Visible() ? "shown" : "taken");
    out << '\n';
}

void writeMenu(std::ostream& out, long tick, MenuWindow& menu) {
    out << tick << " frmMenu Start " << std::hex << menu.element("lblStart").ForeColor() << " Exit "
        << menu.element("lblExit").ForeColor() << std::dec << '\n';
}

}  // namespace

std::string replay(const std::string& script, const std::string& soundFolder) {
    platform::HeadlessBackend backend;
    backend.setProgramFolder(soundFolder);
    platform::Runtime runtime(backend, ProgramTitle);
    Program program(runtime);
    std::ostringstream out;
    out << std::setprecision(9);
    Recorder recorder(backend, out);
    program.start();

    const std::vector<Event> events = parse(script);
    const long lastTick = events.empty() ? 0 : events.back().tick + 200;
    std::size_t next = 0;
    for (long tick = 0; tick <= lastTick && !runtime.ended(); ++tick) {
        for (; next < events.size() && events[next].tick == tick; ++next) {
            const Event& event = events[next];
            for (int i = 0; event.kind == "key" && i < event.times; ++i) {
                backend.pressKey(static_cast<std::int16_t>(event.code));
            }
            if (event.kind == "move") backend.moveMouse(event.x, event.y);
            if (event.kind == "click") backend.click(event.x, event.y);
        }
        runtime.runUntil(backend.now());
        if (!program.menu().isOpen()) runtime.runUntil(runtime.nextTick());
        recorder.flush();
        if (program.menu().isOpen()) writeMenu(out, tick, program.menu());
        for (LevelWindow* level : {&program.level1(), &program.level2()}) {
            if (level->isOpen()) writeLevel(out, tick, *level);
        }
    }
    return out.str();
}

}  // namespace tromfel::testing
