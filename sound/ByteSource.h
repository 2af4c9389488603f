// Random-access bytes of a RIFF file: a file on disk or an image in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace sound {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads exactly n bytes at offset; false when they are not all there.
    virtual bool read(std::uint64_t offset, void* out, std::size_t n) const = 0;
};

class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, void* out, std::size_t n) const override;

  private:
    std::span<const std::uint8_t> bytes_;
};

class FileByteSource : public ByteSource {
  public:
    // A regular file opened for reading, or null.
    static std::unique_ptr<FileByteSource> open(const std::string& path);
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, void* out, std::size_t n) const override;

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    FileByteSource(std::FILE* file, std::uint64_t size) : file_(file), size_(size) {}
    std::unique_ptr<std::FILE, Closer> file_;
    std::uint64_t size_;
};

}  // namespace sound
