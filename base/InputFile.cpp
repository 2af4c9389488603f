// Reading files from outside whole.
#include "base/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

#include "base/ReadRetrying.h"

namespace base {
namespace {

constexpr int kReadErrorCode = 100;  // the runtime's code for a failed read

std::string errnoText(int err) {
    return std::generic_category().message(err);
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

}  // namespace

std::string readWholeFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        throw ReadError(ReadFailure::Open, IoError::codeFromErrno(err, path), err, errnoText(err));
    }
    const Descriptor open{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        throw ReadError(ReadFailure::Read, kReadErrorCode, err, errnoText(err));
    }
    if (S_ISDIR(st.st_mode))
        throw ReadError(ReadFailure::Folder, kReadErrorCode, EISDIR, "a folder, not a file");
    if (!S_ISREG(st.st_mode))
        throw ReadError(ReadFailure::NotAFile, kReadErrorCode, ENODEV, "not a regular file");
    const std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        throw ReadError(ReadFailure::TooLarge, kReadErrorCode, EFBIG, tooLarge);
    // A regular file: reads may block as usual from here on.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = readRetrying(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            const int err = errno;
            throw ReadError(
                ReadFailure::Read, kReadErrorCode, err,
                "read failed after " + std::to_string(bytes.size()) + " bytes: " + errnoText(err));
        }
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)  // grew while being read
            throw ReadError(ReadFailure::TooLarge, kReadErrorCode, EFBIG, tooLarge);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

}  // namespace base
