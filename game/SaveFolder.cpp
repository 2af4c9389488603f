// First run with the saves outside the program's folder.
#include "game/SaveFolder.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace game {
namespace {

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

}  // namespace

bool copyIfMissing(const std::string& from, const std::string& to) {
    const fs::path target = to;
    if (present(target)) return false;
    // A leftover of an interrupted copy is ours to replace; the dot keeps it out of the player's way.
    const fs::path staged = target.parent_path() / ("." + target.filename().string() + ".new");
    struct Staged {  // removes the staged copy on every way out
        const fs::path& path;
        ~Staged() {
            std::error_code ec;
            fs::remove(path, ec);
        }
    } cleanup{staged};
    fs::copy_file(from, staged, fs::copy_options::overwrite_existing);
    if (::link(staged.c_str(), target.c_str()) == 0) return true;
    if (errno == EEXIST) return false;  // made in the meantime, by another copy of the program
    throw fs::filesystem_error("link", staged, target, std::error_code(errno, std::generic_category()));
}

SaveFolderReport prepareSaveFolder(const ui::Services& services) {
    SaveFolderReport report;
    if (services.dataDir.empty() || services.dataDir == services.programDir) return report;
    const fs::path source = fs::path(services.programDir) / "dat";
    const fs::path saves = fs::path(services.dataDir) / "dat";
    std::error_code ec;
    fs::create_directories(saves, ec);  // a folder that cannot be made fails each copy below
    for (const char* name : kInitialSaveFiles) {
        if (present(saves / name)) continue;
        if (!fs::is_regular_file(source / name, ec)) {
            report.missing.emplace_back(name);
            continue;
        }
        try {
            if (copyIfMissing((source / name).string(), (saves / name).string()))
                report.copied.emplace_back(name);
        } catch (const fs::filesystem_error& e) {
            report.failed.push_back(std::string(name) + ": " + e.code().message());
        }
    }
    return report;
}

}  // namespace game
