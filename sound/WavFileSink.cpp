// Writes played audio to a WAV file whose RIFF header is rewritten after every write, so it is valid at any moment.
#include "sound/WavFileSink.h"

#include <array>
#include <limits>

namespace sound {
namespace {

void put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

constexpr long kRiffSizeAt = 4;   // offset of the RIFF chunk's size
constexpr long kDataSizeAt = 40;  // offset of the data chunk's size

}  // namespace

bool WavFileSink::open(const WaveFormat& format) {
    file_.reset(std::fopen(path_.c_str(), "wb"));
    if (!file_) return false;
    dataBytes_ = 0;
    std::array<std::uint8_t, kHeaderBytes> h{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    put32(&h[16], 16);
    put16(&h[20], format.formatTag);
    put16(&h[22], format.channels);
    put32(&h[24], format.samplesPerSec);
    put32(&h[28], format.avgBytesPerSec);
    put16(&h[32], format.blockAlign);
    put16(&h[34], format.bitsPerSample);
    h[36] = 'd', h[37] = 'a', h[38] = 't', h[39] = 'a';
    put32(&h[4], kHeaderBytes - 8);
    if (std::fwrite(h.data(), 1, h.size(), file_.get()) != h.size()) {
        file_.reset();
        return false;
    }
    std::fflush(file_.get());
    return true;
}

void WavFileSink::write(const std::uint8_t* bytes, std::size_t n) {
    if (!file_ || n == 0) return;
    // The data goes in first and the sizes after, so a reader never finds a size larger than the file.
    const std::size_t room = std::numeric_limits<std::uint32_t>::max() - kHeaderBytes - dataBytes_;
    if (n > room) n = room;
    if (std::fseek(file_.get(), 0, SEEK_END) != 0) return;
    const std::size_t written = std::fwrite(bytes, 1, n, file_.get());
    std::fflush(file_.get());
    dataBytes_ += static_cast<std::uint32_t>(written);
    writeSizes();
}

void WavFileSink::writeSizes() {
    std::array<std::uint8_t, 4> size{};
    put32(size.data(), dataBytes_ + kHeaderBytes - 8);
    if (std::fseek(file_.get(), kRiffSizeAt, SEEK_SET) == 0) std::fwrite(size.data(), 1, size.size(), file_.get());
    put32(size.data(), dataBytes_);
    if (std::fseek(file_.get(), kDataSizeAt, SEEK_SET) == 0) std::fwrite(size.data(), 1, size.size(), file_.get());
    std::fflush(file_.get());
}

}  // namespace sound
