// Builds the bytes of plain PCM WAV files: the 44-byte header and whole in-memory images.
#include "sound/WavImage.h"

#include <cstring>

namespace sound {

void putLe16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void putLe32(std::uint8_t* at, std::uint32_t value) {
    putLe16(at, static_cast<std::uint16_t>(value & 0xFFFF));
    putLe16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::array<std::uint8_t, kWavHeaderBytes> makeWavHeader(const WaveFormat& format, std::uint32_t dataBytes) {
    std::array<std::uint8_t, kWavHeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    putLe32(&h[kWavRiffSizeAt],
            static_cast<std::uint32_t>(kWavHeaderBytes - 8 + dataBytes + (dataBytes & 1)));
    std::memcpy(&h[8], "WAVEfmt ", 8);
    putLe32(&h[16], 16);
    putLe16(&h[20], format.formatTag);
    putLe16(&h[22], format.channels);
    putLe32(&h[24], format.samplesPerSec);
    putLe32(&h[28], format.avgBytesPerSec);
    putLe16(&h[32], format.blockAlign);
    putLe16(&h[34], format.bitsPerSample);
    std::memcpy(&h[36], "data", 4);
    putLe32(&h[kWavDataSizeAt], dataBytes);
    return h;
}

std::vector<std::uint8_t> makeWavImage(const WaveFormat& format, std::span<const std::uint8_t> data) {
    const auto header = makeWavHeader(format, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> image(kWavHeaderBytes + data.size() + (data.size() & 1), 0);
    std::memcpy(image.data(), header.data(), kWavHeaderBytes);
    if (!data.empty()) std::memcpy(image.data() + kWavHeaderBytes, data.data(), data.size());
    return image;
}

}  // namespace sound
