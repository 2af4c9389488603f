// The temporary stage file of test play.
#include "maker/TestPlayFile.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/StageFile.h"

namespace maker {
namespace {

constexpr const char* kFolderPattern = "zorban_maker-XXXXXX";
constexpr const char* kFileName = "testplay.usr";

// This user's runtime folder when it takes new files, else the system's temporary folder.
std::filesystem::path temporaryBase() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        std::error_code ec;
        if (std::filesystem::is_directory(runtime, ec) && ::access(runtime, W_OK | X_OK) == 0) return runtime;
    }
    return std::filesystem::temp_directory_path();
}

// A new folder under root, readable by its owner only, with a name nobody else can take first; "" with errno
// set when none could be made.
std::string makeFolder(const std::filesystem::path& root) {
    const std::string pattern = (root / kFolderPattern).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return mkdtemp(name.data()) ? std::string(name.data()) : std::string();
}

}  // namespace

TestPlayFile::~TestPlayFile() {
    if (folder_.empty()) return;
    std::error_code ec;  // nothing to report while the editor goes
    std::filesystem::remove_all(folder_, ec);
}

std::string TestPlayFile::write(const Design& d, const std::string& base) {
    if (folder_.empty()) {
        if (!base.empty()) {
            folder_ = makeFolder(base);
        } else {
            // A runtime folder that refuses the folder after all (full, or read-only) leaves the temporary
            // one.
            const std::filesystem::path root = temporaryBase();
            folder_ = makeFolder(root);
            if (folder_.empty() && root != std::filesystem::temp_directory_path())
                folder_ = makeFolder(std::filesystem::temp_directory_path());
        }
        if (folder_.empty())
            throw std::system_error(
                errno, std::generic_category(),
                (std::filesystem::path(base.empty() ? temporaryBase().string() : base) / kFolderPattern)
                    .string());
    }
    const std::string path = (std::filesystem::path(folder_) / kFileName).string();
    engine::saveStageFile(path, d.grid, d.title, d.author);
    return path;
}

}  // namespace maker
