// The temporary stage file of test play.
#include "maker/TestPlayFile.h"

#include <stdlib.h>

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

std::filesystem::path temporaryBase() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        std::error_code ec;
        if (std::filesystem::is_directory(runtime, ec)) return runtime;
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

TestPlayFile::~TestPlayFile() {
    if (folder_.empty() || keep_) return;
    std::error_code ec;  // nothing to report while the editor goes
    std::filesystem::remove_all(folder_, ec);
}

std::string TestPlayFile::write(const Design& d, const std::string& base) {
    if (folder_.empty()) {
        const std::filesystem::path root = base.empty() ? temporaryBase() : std::filesystem::path(base);
        std::string pattern = (root / kFolderPattern).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        // Made readable by its owner only, with a name nobody else can take first.
        if (!mkdtemp(name.data())) throw std::system_error(errno, std::generic_category(), pattern);
        folder_ = name.data();
    }
    const std::string path = (std::filesystem::path(folder_) / kFileName).string();
    engine::saveStageFile(path, d.grid, d.title, d.author);
    return path;
}

}  // namespace maker
