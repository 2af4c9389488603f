// Writes the seed corpora of the sound fuzz targets: a few well-formed WAV images and settings files.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

Bytes wav(unsigned channels, std::uint32_t rate, unsigned bits, std::size_t frames, bool withList) {
    Bytes data;
    for (std::size_t i = 0; i < frames * channels * bits / 8; ++i) data.push_back(static_cast<std::uint8_t>(i * 37));
    Bytes b;
    putId(b, "RIFF");
    put32(b, 0);
    putId(b, "WAVE");
    if (withList) {
        putId(b, "LIST");
        put32(b, 5);
        for (char c : std::string("INFO\0\0", 6)) b.push_back(static_cast<std::uint8_t>(c));
    }
    putId(b, "fmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, channels * bits / 8);
    put16(b, bits);
    putId(b, "data");
    put32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    const std::uint32_t riffSize = static_cast<std::uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
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
