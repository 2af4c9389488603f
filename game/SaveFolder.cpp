// First run with the saves outside the program's folder.
#include "game/SaveFolder.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/InputFile.h"
#include "base/SafeFile.h"

namespace fs = std::filesystem;

namespace game {
namespace {

constexpr std::size_t kMaxSaveBytes = 1 << 20;  // far more than any save file

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

}  // namespace

bool copyIfMissing(const std::string& from, const std::string& to) {
    const fs::path target = to;
    if (present(target)) return false;
    const auto fail = [&](const char* what, int err) {
        throw fs::filesystem_error(what, from, target, std::error_code(err, std::generic_category()));
    };
    std::string bytes;
    try {
        bytes = base::readWholeFile(from, kMaxSaveBytes);
    } catch (const base::ReadError& e) {
        fail("read", e.error());
    }
    std::string staged;
    const int out = base::createTempBeside(to, staged);
    if (out < 0) fail("create", errno);
    struct Staged {  // closes the staged copy and removes it on every way out
        int out;
        const std::string& path;
        ~Staged() {
            if (out >= 0) ::close(out);
            ::unlink(path.c_str());
        }
    } cleanup{out, staged};
    if (const base::FileFault f = base::writeAll(out, bytes)) fail(f.step, f.err);
    // On disk before it gets its name: a crash never leaves a save file that is there but empty.
    cleanup.out = -1;
    if (const base::FileFault f = base::syncAndClose(out)) fail(f.step, f.err);
    if (::link(staged.c_str(), target.c_str()) == 0) {
        base::syncFolderOf(to);
        return true;
    }
    if (errno == EEXIST) return false;  // made in the meantime, by another copy of the program
    fail("link", errno);
    return false;
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
