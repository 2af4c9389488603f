// Random-access bytes of a RIFF file: a file on disk or an image in memory.
#include "sound/ByteSource.h"

#include <algorithm>

#include "base/InputFile.h"

namespace sound {

bool MemoryByteSource::read(std::uint64_t offset, void* out, std::size_t n) const {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    std::copy_n(bytes_.data() + offset, n, static_cast<std::uint8_t*>(out));
    return true;
}

std::unique_ptr<FileByteSource> FileByteSource::open(const std::string& path) {
    try {
        return std::unique_ptr<FileByteSource>(new FileByteSource(base::readWholeFile(path, kMaxBytes)));
    } catch (const base::ReadError&) {
        return nullptr;
    }
}

bool FileByteSource::read(std::uint64_t offset, void* out, std::size_t n) const {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    std::copy_n(bytes_.data() + offset, n, static_cast<char*>(out));
    return true;
}

}  // namespace sound
