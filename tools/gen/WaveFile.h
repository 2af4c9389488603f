// Encodes synthesized sounds as RIFF WAVE PCM files (8-bit unsigned or 16-bit signed, mono or stereo).
#pragma once

#include <string>
#include <vector>

namespace gen {

struct WaveFormat {
    int rate = 11025;  // samples per second
    int bits = 8;      // 8 or 16
    int channels = 1;  // 1 or 2
};

// One sound: samples in -1..1 at the format's rate; right is empty for mono.
struct Sound {
    std::string name;  // file name, e.g. "at1.wav"
    WaveFormat format;
    std::vector<float> left;
    std::vector<float> right;
};

// The complete file image: "RIFF" <size> "WAVE", a 16-byte "fmt " chunk, a "data" chunk.
// Samples are clipped to -1..1; a stereo sound uses left for both sides when right is empty.
std::string encodeWave(const Sound& sound);

}  // namespace gen
