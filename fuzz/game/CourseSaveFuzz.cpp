// libFuzzer target: any bytes as a course save file myN.dat, read as when the course is picked. The records
// read must be written back so that reading them again gives the same values, and the same bytes once more.
// A file that does not read as numbers is moved aside whole; one that cannot be read is left alone and
// reported once, however often the game saves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "SaveFolderFixture.h"
#include "base/IoError.h"

namespace {

// What a course file keeps from run to run (the rest is set afresh by the start of a run).
auto records(const game::TForm1& w) {
    const engine::tmy& m = w.state.my;
    return std::make_tuple(m.courseMemo, m.hiScore, m.maxHp, m.mhpQuota, m.badgeCombo, m.badgeTime, m.badgeHp,
                           m.hiMaxCombo);
}

std::unique_ptr<game::TForm1> courseWindow(fuzzgame::SaveFolderFixture& folder, std::uint8_t course) {
    auto w = folder.window();
    w->state.courseNo = course;
    return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzgame::SaveFolderFixture& folder = fuzzgame::SaveFolderFixture::instance();
    static const bool resetMade = [&] {
        // "初期化" writes every course file afresh, and the common file; each reads back as a course never
        // played, with the memo of the course in memory.
        const auto w = courseWindow(folder, 3);
        w->state.my.courseMemo = "memo";
        w->state.my.hiScore = 500;
        w->BitBtn2Click();
        for (std::uint8_t course = 1; course <= 6; ++course) {
            const auto r = courseWindow(folder, course);
            r->loadCourseData();
            if (records(*r) != std::make_tuple(std::string("memo"), 0, 99, 0, 0, 0, 0, 1)) return false;
        }
        const auto c = folder.window();
        c->loadCommonData();
        return c->state.my.money == 0 && c->state.my.clearCount == 0;
    }();
    if (!resetMade) __builtin_trap();
    const std::string path = "dat/my3.dat";
    folder.dialogs().messages.clear();
    folder.write(path, std::string(reinterpret_cast<const char*>(data), size));
    const auto first = courseWindow(folder, 3);
    try {
        first->loadCourseData();
    } catch (const base::IoError& e) {
        // A file that does not read as numbers is moved aside whole and named in the error; saving then
        // writes a fresh one, without a message. Any other failure leaves it where it is: saving does not
        // replace it and says so once.
        const std::string bytes(reinterpret_cast<const char*>(data), size);
        const std::vector<std::string> aside = folder.takeAside("my3.dat");
        first->saveCourseData();
        first->saveCourseData();
        if (e.code() == static_cast<int>(base::IoCode::InvalidNumber)) {
            if (aside != std::vector<std::string>{bytes} || !folder.dialogs().messages.empty())
                __builtin_trap();
            if (folder.read(path).empty()) __builtin_trap();
        } else if (!aside.empty() || folder.read(path) != bytes || folder.dialogs().messages.size() != 1) {
            __builtin_trap();
        }
        return 0;
    }
    first->saveCourseData();
    const std::string written = folder.read(path);

    const auto second = courseWindow(folder, 3);
    second->loadCourseData();
    if (records(*second) != records(*first)) __builtin_trap();
    second->saveCourseData();
    if (folder.read(path) != written) __builtin_trap();
    return 0;
}
