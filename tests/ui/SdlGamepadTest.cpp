// The pads' thread with SDL's virtual pad (no device needed): a pad plugged in, its buttons and stick, and
// its going are reported in order from the pad thread, and the thread ends with the reader.
#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <condition_variable>
#include <filesystem>

#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "ui/sdl/SdlGamepad.h"

namespace {

using ui::PadEvent;
using Kind = PadEvent::Kind;

std::string str(const PadEvent& e) {
    switch (e.kind) {
        case Kind::Plugged:
            return "plugged";
        case Kind::Unplugged:
            return "unplugged " + std::to_string(e.value);
        case Kind::Button:
            return "button " + std::to_string(e.index) + (e.value ? " down" : " up");
        case Kind::Stick:
            return "stick " + std::to_string(e.index) + " " + std::to_string(e.value);
        case Kind::Still:
            break;
    }
    return "still";
}

TEST(SdlGamepad, APadPluggedInPlayedAndTakenAwayIsReportedInOrder) {
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / ("zorban-pad-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(script) << "";
    std::mutex m;
    std::condition_variable changed;
    std::vector<std::string> seen;
    {
        const auto pad = ui::SdlGamepad::create(
            [&](const std::vector<PadEvent>& events) {
                const std::lock_guard<std::mutex> lock(m);
                for (const PadEvent& e : events)
                    if (e.kind != Kind::Still && !(e.kind == Kind::Stick && e.value == 0))
                        seen.push_back(str(e));
                changed.notify_all();
            },
            "/nonexistent/gamecontrollerdb.txt", script.string());
        ASSERT_TRUE(pad);
        pad->setPollMs(5);
        std::ofstream(script, std::ios::app) << "plug\npress a\nrelease a\nstick -30000 0\nunplug\n";
        std::unique_lock<std::mutex> lock(m);
        changed.wait_for(lock, std::chrono::seconds(10),
                         [&] { return !seen.empty() && seen.back().starts_with("unplugged"); });
    }
    std::filesystem::remove(script);
    EXPECT_EQ(seen, (std::vector<std::string>{"plugged", "button 0 down", "button 0 up", "stick 0 -30000",
                                              "unplugged 0"}));
}

}  // namespace
