// Small synthesis kit for the sound effects: oscillators with pitch glides, noise, envelopes, mixing.
#pragma once

#include <cstdint>
#include <vector>

namespace gen {

using Samples = std::vector<float>;

enum class Shape { Sine, Square, Triangle, Saw };

// A tone of seconds length whose pitch glides exponentially from startHz to endHz. duty is the
// square wave's high share (0..1); other shapes ignore it.
Samples tone(int rate, double seconds, double startHz, double endHz, Shape shape, double duty = 0.5);

// White noise from a fixed-seed generator, so every build writes the same files.
Samples noise(int rate, double seconds, std::uint32_t seed);

// One-pole low-pass whose cut-off glides from startHz to endHz over the samples.
void lowPass(Samples& s, int rate, double startHz, double endHz);

// Linear fade-in over attack seconds and exponential decay with the given half-life (seconds,
// 0 for none), then a linear fade-out over release seconds at the end, so no sound starts or stops
// with a click.
void envelope(Samples& s, int rate, double attack, double halfLife, double release);

// Vibrato-free tremolo: multiplies by 1 - depth/2 * (1 - cos(2 pi hz t)).
void tremolo(Samples& s, int rate, double hz, double depth);

// Adds src (times gain) into dst starting at the sample offset, growing dst as needed.
void mixInto(Samples& dst, const Samples& src, std::size_t offset, float gain = 1.0f);

// Scales both channels (right may be empty) by one factor so that their loudest channel has the
// given RMS level, or less where that would push a sample above maxPeak.
void level(Samples& left, Samples& right, float rms, float maxPeak);

// Number of samples of seconds at rate.
std::size_t sampleCount(int rate, double seconds);

}  // namespace gen
