// RIFF WAVE encoding of PCM samples.
#include "tools/gen/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gen {
namespace {

void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(std::string& s, std::uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void putSample(std::string& s, float v, int bits) {
    v = std::clamp(v, -1.0f, 1.0f);
    if (bits == 8) {
        s += static_cast<char>(static_cast<std::uint8_t>(std::lround(128.0f + v * 127.0f)));
    } else {
        put16(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767.0f))));
    }
}

}  // namespace

std::string encodeWave(const Sound& sound) {
    const WaveFormat& f = sound.format;
    const auto frames = static_cast<std::uint32_t>(sound.left.size());
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(f.channels * f.bits / 8);
    const std::uint32_t dataBytes = frames * blockAlign;
    std::string s;
    s.reserve(44 + dataBytes + 1);
    s += "RIFF";
    put32(s, 36 + dataBytes + (dataBytes & 1));
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);  // PCM
    put16(s, static_cast<std::uint16_t>(f.channels));
    put32(s, static_cast<std::uint32_t>(f.rate));
    put32(s, static_cast<std::uint32_t>(f.rate) * blockAlign);
    put16(s, static_cast<std::uint16_t>(blockAlign));
    put16(s, static_cast<std::uint16_t>(f.bits));
    s += "data";
    put32(s, dataBytes);
    const auto& right = sound.right.empty() ? sound.left : sound.right;
    for (std::uint32_t i = 0; i < frames; ++i) {
        putSample(s, sound.left[i], f.bits);
        if (f.channels == 2) putSample(s, right[i], f.bits);
    }
    if (dataBytes & 1) s += '\0';  // chunks are padded to an even length
    return s;
}

}  // namespace gen
