// zorban_initsave: writes the first save files (my.dat, my1.dat .. my6.dat) of a fresh installation,
// exactly as the window's "初期化" writes them, leaving every file that already exists untouched.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "game/TForm1.h"
#include "ui/core/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

const char* const kSaveFiles[] = {"my.dat", "my1.dat", "my2.dat", "my3.dat", "my4.dat", "my5.dat", "my6.dat"};

// A scratch program folder with an empty dat/, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "zorban-initsave-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp");
        root_ = pattern;
        fs::create_directories(root_ / "dat");
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

// Runs a fresh window headless in folder and presses "初期化"; returns the errors it reported.
std::vector<std::string> resetIn(const fs::path& folder) {
    std::unique_ptr<game::TForm1> window;  // goes after the platform, whose timer host holds its timers
    ui::HeadlessPlatform platform(folder.string() + "/");
    window = std::make_unique<game::TForm1>(platform.services());
    platform.start(window->form);  // a fresh folder has no picture and no save file: start-up stops there
    platform.dialogs.errors.clear();
    platform.handle([&] { window->BitBtn2Click(); });
    return platform.dialogs.errors;
}

// Puts from in place as to unless to exists: copied beside it, then linked, which never replaces.
bool installIfMissing(const fs::path& from, const fs::path& to) {
    if (fs::exists(to)) return false;
    const fs::path staged = to.parent_path() / ("." + to.filename().string() + ".new");
    fs::copy_file(from, staged, fs::copy_options::overwrite_existing);
    const bool linked = ::link(staged.c_str(), to.c_str()) == 0;
    const int err = errno;
    fs::remove(staged);
    if (!linked && err != EEXIST) throw std::system_error(err, std::generic_category(), to.string());
    return linked;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DAT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const fs::path datDir = argv[1];
        fs::create_directories(datDir);
        ScratchFolder scratch;
        for (const std::string& e : resetIn(scratch.root())) {
            std::fprintf(stderr, "zorban_initsave: %s\n", e.c_str());
            return 1;
        }
        for (const char* name : kSaveFiles)
            if (installIfMissing(scratch.root() / "dat" / name, datDir / name))
                std::printf("zorban_initsave: wrote %s\n", (datDir / name).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorban_initsave: %s\n", e.what());
        return 1;
    }
    return 0;
}
