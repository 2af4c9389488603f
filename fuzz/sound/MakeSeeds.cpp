// Writes the seed corpora of the sound fuzz targets: a few well-formed WAV images and settings files.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/WavImage.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes wav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, std::size_t frames, bool withList) {
    sound::WaveFormat format;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    format.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    format.avgBytesPerSec = rate * format.blockAlign;
    Bytes data(frames * format.blockAlign);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 37);
    Bytes b = sound::makeWavImage(format, data);
    if (withList) {
        // An odd-sized chunk before the format chunk, with its pad byte.
        const Bytes list{'L', 'I', 'S', 'T', 5, 0, 0, 0, 'I', 'N', 'F', 'O', 0, 0};
        b.insert(b.begin() + 12, list.begin(), list.end());
        sound::putLe32(&b[sound::kWavRiffSizeAt], static_cast<std::uint32_t>(b.size() - 8));
    }
    return b;
}

void write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::filesystem::path wavDir = argv[1], iniDir = argv[2];
    std::filesystem::create_directories(wavDir);
    std::filesystem::create_directories(iniDir);
    write(wavDir / "mono8_11k.wav", wav(1, 11025, 8, 64, false));
    write(wavDir / "stereo16_22k.wav", wav(2, 22050, 16, 64, true));
    write(wavDir / "mono16_44k.wav", wav(1, 44100, 16, 80, false));
    write(wavDir / "stereo8_8k.wav", wav(2, 8000, 8, 33, true));
    const std::string ini =
        "; seed\r\n[default]\r\nRemix=2\r\nGoodWavePos=1\r\nWaveBlocks=4\r\nWaveBlockLen=1000\r\nSamplesPerSec=44\r\n"
        "[general]\r\nWaveOutDevice=-1\r\n[not compatible]\r\nVirtual Output=1\r\n[Virtual Output]\r\nRemix=1\r\n";
    write(iniDir / "full.ini", Bytes(ini.begin(), ini.end()));
    const std::string small = "[default]\nWaveBlocks=10\n";
    write(iniDir / "small.ini", Bytes(small.begin(), small.end()));
    return 0;
}
