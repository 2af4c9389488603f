// Writes played audio to a WAV file whose RIFF header is rewritten after every write, so it is valid at any
// moment.
#include "sound/WavFileSink.h"

#include <array>
#include <limits>

#include "sound/WavImage.h"

namespace sound {

bool WavFileSink::open(const WaveFormat& format) {
    file_.reset(std::fopen(path_.c_str(), "wb"));
    if (!file_) return false;
    dataBytes_ = 0;
    const auto header = makeWavHeader(format, 0);
    if (std::fwrite(header.data(), 1, header.size(), file_.get()) != header.size()) {
        file_.reset();
        return false;
    }
    std::fflush(file_.get());
    return true;
}

void WavFileSink::write(const std::uint8_t* bytes, std::size_t n) {
    if (!file_ || n == 0) return;
    // The data goes in first and the sizes after, so a reader never finds a size larger than the file.
    const std::size_t room = std::numeric_limits<std::uint32_t>::max() - kWavHeaderBytes - dataBytes_;
    if (n > room) n = room;
    if (std::fseek(file_.get(), 0, SEEK_END) != 0) return;
    const std::size_t written = std::fwrite(bytes, 1, n, file_.get());
    std::fflush(file_.get());
    dataBytes_ += static_cast<std::uint32_t>(written);
    writeSizes();
}

void WavFileSink::writeSizes() {
    std::array<std::uint8_t, 4> size{};
    putLe32(size.data(), static_cast<std::uint32_t>(dataBytes_ + kWavHeaderBytes - 8));
    if (std::fseek(file_.get(), kWavRiffSizeAt, SEEK_SET) == 0)
        std::fwrite(size.data(), 1, size.size(), file_.get());
    putLe32(size.data(), dataBytes_);
    if (std::fseek(file_.get(), kWavDataSizeAt, SEEK_SET) == 0)
        std::fwrite(size.data(), 1, size.size(), file_.get());
    std::fflush(file_.get());
}

}  // namespace sound
