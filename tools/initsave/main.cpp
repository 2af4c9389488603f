// zorban_initsave: writes the first save files (my.dat, my1.dat .. my6.dat) of a fresh installation,
// exactly as the window's "初期化" writes them, leaving every file that already exists untouched.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "base/ProgramOptions.h"
#include "game/SaveFolder.h"
#include "game/TForm1.h"
#include "ui/core/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    // An option is never taken for the folder: "zorban_initsave --help" must not write into ./--help/.
    base::ProgramOptions options("zorban_initsave", "Writes the save files a game folder's dat/ lacks.");
    options.addFiles("DAT_FOLDER", 1, "the dat folder to complete");
    if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;
    if (options.files().size() != 1) {
        std::cerr << "zorban_initsave: a DAT_FOLDER is needed\n" << options.usage();
        return base::ProgramOptions::kExitUsage;
    }
    try {
        const fs::path datDir = options.files().front();
        fs::create_directories(datDir);
        ScratchFolder scratch;
        for (const std::string& e : resetIn(scratch.root())) {
            std::fprintf(stderr, "zorban_initsave: %s\n", e.c_str());
            return 1;
        }
        for (const char* name : game::kInitialSaveFiles)
            if (game::copyIfMissing((scratch.root() / "dat" / name).string(), (datDir / name).string()))
                std::printf("zorban_initsave: wrote %s\n", (datDir / name).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorban_initsave: %s\n", e.what());
        return 1;
    }
    return 0;
}
