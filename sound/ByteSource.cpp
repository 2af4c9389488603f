// Random-access bytes of a RIFF file: a file on disk or an image in memory.
#include "sound/ByteSource.h"

#include <sys/stat.h>

#include <algorithm>

namespace sound {

bool MemoryByteSource::read(std::uint64_t offset, void* out, std::size_t n) const {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    std::copy_n(bytes_.data() + offset, n, static_cast<std::uint8_t*>(out));
    return true;
}

std::unique_ptr<FileByteSource> FileByteSource::open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return nullptr;
    struct stat info {};  // left zero, no regular file, when fstat fails
    fstat(fileno(file), &info);
    if (!S_ISREG(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<FileByteSource>(
        new FileByteSource(file, static_cast<std::uint64_t>(info.st_size)));
}

bool FileByteSource::read(std::uint64_t offset, void* out, std::size_t n) const {
    if (offset > size_ || n > size_ - offset) return false;
    if (fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) return false;
    return std::fread(out, 1, n, file_.get()) == n;
}

}  // namespace sound
