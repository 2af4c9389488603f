// Choosing the folder for written files: the program's own when writable, else the XDG data folder.
#include "base/DataFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace base {
namespace {

bool writable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// This user's home folder from the password database ("" when it has none).
std::string homeFromPasswd() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buf(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd pw {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found) != 0 || !found || !found->pw_dir)
        return "";
    return found->pw_dir;
}

bool trustedFolder(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0)
        return true;  // not there yet: it is made by this program, for this user
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string chooseDataDir(const std::string& programDir, const std::string& xdgDataHome,
                          const std::string& home) {
    // Saves live in dat/ and posting files beside the program, so both must take new files; a folder others
    // may write to (a portable folder on a disk that shows every file as 0777, a group-writable install)
    // could have the saves swapped under the program, so the per-user folder serves instead.
    const std::string dat = programDir + "dat";
    if (writable(programDir) && (::access(dat.c_str(), F_OK) != 0 || writable(dat)) &&
        dataDirTrusted(programDir))
        return programDir;
    std::string base = xdgDataHome;
    if (base.empty() || base.front() != '/') {
        std::string h = home.empty() || home.front() != '/' ? homeFromPasswd() : home;
        if (h.empty() || h.front() != '/') return "";
        base = h + "/.local/share";
    }
    if (base.back() != '/') base += '/';
    return base + "zorban/";
}

std::string dataDirFromEnvironment(const std::string& programDir) {
    return chooseDataDir(programDir, env("XDG_DATA_HOME"), env("HOME"));
}

std::string trustedDataDirFromEnvironment(const std::string& programDir) {
    std::string dir = dataDirFromEnvironment(programDir);
    return dataDirTrusted(dir) ? dir : std::string();
}

bool dataDirTrusted(const std::string& dir) {
    if (dir.empty() || dir.front() != '/') return false;
    return trustedFolder(dir) && trustedFolder(dir + "dat");
}

void makePrivateFolders(const std::string& dir) {
    // Each missing part of the path, from the root down; an existing one is left as it is.
    for (std::size_t slash = dir.find('/', 1); slash != std::string::npos; slash = dir.find('/', slash + 1))
        ::mkdir(dir.substr(0, slash).c_str(), 0700);
    ::mkdir(dir.c_str(), 0700);
}

}  // namespace base
