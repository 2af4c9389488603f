// Random-access bytes of a RIFF file: a file on disk or an image in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

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
    static constexpr std::size_t kMaxBytes = 64u << 20;  // far more than any sound of the game

    // The bytes of a regular file of at most kMaxBytes, read whole through base's reader; null when the
    // file cannot be read whole (missing, a folder or a pipe, too large, a read error).
    static std::unique_ptr<FileByteSource> open(const std::string& path);
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, void* out, std::size_t n) const override;

  private:
    explicit FileByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::string bytes_;
};

}  // namespace sound
