// libFuzzer target: any bytes as the common save file my.dat, read as at start-up. What was read must be
// written back so that reading it again gives the same values, and writing those again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "SaveFolderFixture.h"
#include "base/IoError.h"

namespace {

struct Common {
    std::int32_t clearCount, course3Cleared, money;
    decltype(engine::tmy::toyOwned) toys;
    bool operator==(const Common&) const = default;
};

Common common(const game::TForm1& w) {
    return {w.state.my.clearCount, w.state.my.course3Cleared, w.state.my.money, w.state.my.toyOwned};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzgame::SaveFolderFixture& folder = fuzzgame::SaveFolderFixture::instance();
    static const bool missingFileMade = [&] {
        // The first start: no file yet. Reading it fails; saving makes it.
        folder.remove("dat/my.dat");
        const auto w = folder.window();
        try {
            w->loadCommonData();
            __builtin_trap();
        } catch (const base::IoError&) {
        }
        // A folder where the file belongs is no file: reading fails and saving leaves it be.
        std::filesystem::create_directory(folder.path("dat/my.dat"));
        try {
            w->loadCommonData();
            __builtin_trap();
        } catch (const base::IoError&) {
        }
        w->saveCommonData();
        // At the end of the session saving leaves it be too, without a message: nobody is there to read one.
        const auto ending = folder.window();
        ending->form.endingSession = true;
        try {
            ending->loadCommonData();
            __builtin_trap();
        } catch (const base::IoError&) {
        }
        folder.dialogs().messages.clear();
        ending->saveCommonData();
        if (!folder.dialogs().messages.empty() || !std::filesystem::is_directory(folder.path("dat/my.dat")))
            return false;
        folder.remove("dat/my.dat");
        w->state.my.money = 12;
        w->saveCommonData();
        return folder.read("dat/my.dat").rfind("0\r\n0\r\n12\r\n", 0) == 0;
    }();
    if (!missingFileMade) __builtin_trap();
    folder.write("dat/my.dat", std::string(reinterpret_cast<const char*>(data), size));
    const auto first = folder.window();
    try {
        first->loadCommonData();
    } catch (const base::IoError& e) {
        // A file that does not read as numbers is moved aside whole and named in the error; saving then
        // writes a fresh one. Any other failure leaves it where it is, and saving does not replace it.
        const std::string bytes(reinterpret_cast<const char*>(data), size);
        const std::vector<std::string> aside = folder.takeAside("my.dat");
        first->saveCommonData();
        if (e.code() == static_cast<int>(base::IoCode::InvalidNumber)) {
            if (aside != std::vector<std::string>{bytes} ||
                std::string(e.what()).find(".unreadable-") == std::string::npos)
                __builtin_trap();
            if (folder.read("dat/my.dat").empty()) __builtin_trap();
        } else if (!aside.empty() || folder.read("dat/my.dat") != bytes) {
            __builtin_trap();
        }
        return 0;
    }
    first->saveCommonData();
    const std::string written = folder.read("dat/my.dat");

    const auto second = folder.window();
    second->loadCommonData();
    if (common(*second) != common(*first)) __builtin_trap();
    second->saveCommonData();
    if (folder.read("dat/my.dat") != written) __builtin_trap();
    return 0;
}
