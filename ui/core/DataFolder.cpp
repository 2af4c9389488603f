// Choosing the folder for written files: the program's own when writable, else the XDG data folder.
#include "ui/core/DataFolder.h"

#include <unistd.h>

#include <cstdlib>

namespace ui {
namespace {

bool writable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

std::string chooseDataDir(const std::string& programDir, const std::string& xdgDataHome,
                          const std::string& home) {
    // Saves live in dat/ and posting files beside the program, so both must take new files.
    const std::string dat = programDir + "dat";
    if (writable(programDir) && (::access(dat.c_str(), F_OK) != 0 || writable(dat))) return programDir;
    std::string base = xdgDataHome;
    if (base.empty() || base.front() != '/')
        base = (home.empty() ? std::string("/tmp") : home) + "/.local/share";
    if (base.back() != '/') base += '/';
    return base + "zorban/";
}

std::string dataDirFromEnvironment(const std::string& programDir) {
    return chooseDataDir(programDir, env("XDG_DATA_HOME"), env("HOME"));
}

}  // namespace ui
