// Oscillators, noise, filters and envelopes for the generated sound effects.
#include "tools/gen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen {

std::size_t sampleCount(int rate, double seconds) {
    return static_cast<std::size_t>(std::lround(rate * seconds));
}

Samples tone(int rate, double seconds, double startHz, double endHz, Shape shape, double duty) {
    const std::size_t n = sampleCount(rate, seconds);
    Samples s(n);
    double phase = 0.0;  // cycles
    for (std::size_t i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
        const double hz = startHz * std::pow(endHz / startHz, t);
        const double p = phase - std::floor(phase);
        double v = 0.0;
        switch (shape) {
            case Shape::Sine:
                v = std::sin(2.0 * std::numbers::pi * p);
                break;
            case Shape::Square:
                v = p < duty ? 0.8 : -0.8;
                break;
            case Shape::Triangle:
                v = p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
                break;
            case Shape::Saw:
                v = 2.0 * p - 1.0;
                break;
        }
        s[i] = static_cast<float>(v);
        phase += hz / rate;
    }
    return s;
}

Samples noise(int rate, double seconds, std::uint32_t seed) {
    Samples s(sampleCount(rate, seconds));
    std::uint32_t x = seed ? seed : 0x9E3779B9u;
    for (auto& v : s) {
        x ^= x << 13;  // xorshift32: portable and the same on every compiler
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<float>(x) / 2147483648.0f - 1.0f;
    }
    return s;
}

void lowPass(Samples& s, int rate, double startHz, double endHz) {
    float y = 0.0f;
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
        const double hz = startHz * std::pow(endHz / startHz, t);
        const auto a = static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * hz / rate));
        y += a * (s[i] - y);
        s[i] = y;
    }
}

void envelope(Samples& s, int rate, double attack, double halfLife, double release) {
    const std::size_t n = s.size();
    const std::size_t a = std::min(n, sampleCount(rate, attack));
    const std::size_t r = std::min(n, sampleCount(rate, release));
    for (std::size_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < a) g *= static_cast<double>(i) / static_cast<double>(a);
        if (halfLife > 0.0) g *= std::exp2(-static_cast<double>(i) / (rate * halfLife));
        if (i >= n - r) g *= static_cast<double>(n - 1 - i) / static_cast<double>(r);
        s[i] = static_cast<float>(s[i] * g);
    }
}

void tremolo(Samples& s, int rate, double hz, double depth) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double c = std::cos(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate);
        s[i] = static_cast<float>(s[i] * (1.0 - depth / 2.0 * (1.0 - c)));
    }
}

void mixInto(Samples& dst, const Samples& src, std::size_t offset, float gain) {
    if (dst.size() < offset + src.size()) dst.resize(offset + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i) dst[offset + i] += gain * src[i];
}

void level(Samples& left, Samples& right, float rms, float maxPeak) {
    double loudest = 0.0;
    float top = 0.0f;
    for (const Samples* side : {&left, &right}) {
        if (side->empty()) continue;
        double sum = 0.0;
        for (float v : *side) {
            sum += static_cast<double>(v) * v;
            top = std::max(top, std::abs(v));
        }
        loudest = std::max(loudest, std::sqrt(sum / static_cast<double>(side->size())));
    }
    if (loudest <= 0.0) return;
    const float gain = std::min(static_cast<float>(rms / loudest), maxPeak / top);
    for (Samples* side : {&left, &right})
        for (auto& v : *side) v *= gain;
}

}  // namespace gen
