// libFuzzer target: any bytes as a course save file myN.dat, read as when the course is picked. The records
// read must be written back so that reading them again gives the same values, and the same bytes once more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>

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
    const std::string path = "dat/my3.dat";
    folder.write(path, std::string(reinterpret_cast<const char*>(data), size));
    const auto first = courseWindow(folder, 3);
    try {
        first->loadCourseData();
    } catch (const base::IoError&) {
        // A file that does not read as numbers is reported and left alone: saving does not replace it.
        first->saveCourseData();
        if (folder.read(path) != std::string(reinterpret_cast<const char*>(data), size)) __builtin_trap();
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
