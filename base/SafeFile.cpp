// Unique temporary files, link-following replacement targets and durable renames.
#include "base/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>

#include "base/IoError.h"

namespace base {
namespace {

constexpr int kNameTries = 100;  // EEXIST retries before giving up on a folder full of our names

std::function<std::string()>& nameHook() {
    static std::function<std::string()> hook;
    return hook;
}

std::string randomPart() {
    if (nameHook()) return nameHook()();
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 gen{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, sizeof kChars - 2);
    std::string s(6, ' ');
    for (char& c : s) c = kChars[pick(gen)];
    return s;
}

}  // namespace

void setTempNameHook(std::function<std::string()> hook) {
    nameHook() = std::move(hook);
}

std::string replaceTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) throw IoError(IoCode::AccessDenied);
    std::string target = resolved;
    std::free(resolved);
    return target;
}

int createTempBeside(const std::string& target, std::string& tmpPath) {
    const std::filesystem::path t(target);
    mode_t mode = 0644;
    struct stat st {};
    const bool keepMode = ::stat(target.c_str(), &st) == 0;
    if (keepMode) mode = st.st_mode & 07777;
    for (int i = 0; i < kNameTries; ++i) {
        tmpPath = (t.parent_path() / ("." + t.filename().string() + "." + randomPart() + ".tmp")).string();
        const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        if (keepMode) ::fchmod(fd, mode);  // the replacement keeps what the player set on the file
        return fd;
    }
    errno = EEXIST;
    return -1;
}

FileFault writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return {"write", errno};
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

FileFault syncAndClose(int fd) {
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        return {"fsync", err};
    }
    if (::close(fd) != 0) return {"close", errno};
    return {};
}

std::string moveAside(const std::string& path, const std::string& label) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32] = "";
    if (::localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string stem = path + "." + label + "-" + stamp;
    for (int n = 1; n <= kNameTries; ++n) {
        const std::string aside = n == 1 ? stem : stem + "-" + std::to_string(n);
        struct stat st {};
        if (::lstat(aside.c_str(), &st) == 0) continue;
        if (::rename(path.c_str(), aside.c_str()) != 0) throw IoError(IoError::codeFromErrno(errno, path));
        syncFolderOf(aside);
        return aside;
    }
    throw IoError(IoError::codeFromErrno(EEXIST, path));
}

void syncFolderOf(const std::string& path) {
    std::string dir = std::filesystem::path(path).parent_path().string();
    if (dir.empty()) dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace base
