// Recipes of the sound effects: what each event sounds like, kept short and at a common loudness.
#include "tools/gen/SoundRecipes.h"

#include <cmath>

#include "tools/gen/Synth.h"

namespace gen {
namespace {

constexpr WaveFormat kMono8{11025, 8, 1};  // the mixer's default output format
constexpr WaveFormat kMono16{11025, 16, 1};
constexpr WaveFormat kMono16Fast{22050, 16, 1};
constexpr WaveFormat kMono8Fast{22050, 8, 1};
constexpr WaveFormat kStereo16Fast{22050, 16, 2};
constexpr WaveFormat kStereo8{11025, 8, 2};

constexpr float kPeak = 1.0f;  // loudness factor of most effects
constexpr float kSoftPeak =
    0.75f;                       // frequent, short effects (ticks, bar hits, buttons) stay a little quieter
constexpr double kFade = 0.004;  // seconds of fade at both ends against clicks
constexpr float kLoudness = 0.22f;  // RMS level every effect is brought to
constexpr float kMaxPeak = 0.9f;    // no sample louder than this

// A single enveloped note.
Samples note(int rate, double seconds, double startHz, double endHz, Shape shape, double halfLife,
             double duty = 0.5) {
    Samples s = tone(rate, seconds, startHz, endHz, shape, duty);
    envelope(s, rate, kFade, halfLife, kFade * 2);
    return s;
}

// Notes played one after another, each step seconds apart and lasting length seconds.
Samples arpeggio(int rate, const std::vector<double>& hz, double step, double length, Shape shape,
                 double halfLife) {
    Samples out;
    for (std::size_t i = 0; i < hz.size(); ++i)
        mixInto(out, note(rate, length, hz[i], hz[i], shape, halfLife),
                sampleCount(rate, step * static_cast<double>(i)));
    return out;
}

// A short filtered noise burst: knocks, ticks and clacks.
Samples knock(int rate, double seconds, std::uint32_t seed, double fromHz, double toHz, double halfLife) {
    Samples s = noise(rate, seconds, seed);
    lowPass(s, rate, fromHz, toHz);
    envelope(s, rate, 0.001, halfLife, 0.005);
    return s;
}

// Fades the ends and levels the sound to a common loudness times the factor.
Sound finish(const char* name, WaveFormat format, Samples left, float loudness, Samples right = {}) {
    envelope(left, format.rate, kFade, 0.0, kFade * 2);
    if (!right.empty()) {
        right.resize(left.size(), 0.0f);
        envelope(right, format.rate, kFade, 0.0, kFade * 2);
    }
    level(left, right, kLoudness * loudness, kMaxPeak);
    return {name, format, std::move(left), std::move(right)};
}

// Effect blocks (slow, time, heal, poison, bar size) and a full mHP gauge: a rising "pi-ro-rin".
Sound powerUp() {
    const int r = kMono8.rate;
    return finish("1.wav", kMono8, arpeggio(r, {659.3, 987.8, 1318.5}, 0.06, 0.12, Shape::Square, 0.05),
                  kPeak);
}

// White block: a short bright blip.
Sound whiteBlock() {
    const int r = kMono8.rate;
    return finish("2.wav", kMono8, note(r, 0.07, 1568.0, 1480.0, Shape::Square, 0.025), kPeak);
}

// Multiply block: a bubbling, wobbling rise.
Sound multiply() {
    const int r = kMono8Fast.rate;
    Samples s = note(r, 0.32, 300.0, 1200.0, Shape::Triangle, 0.15);
    tremolo(s, r, 28.0, 0.9);
    return finish("3.wav", kMono8Fast, std::move(s), kPeak);
}

// Lost ball: a long falling tone.
Sound lifeLost() {
    const int r = kMono16.rate;
    Samples s = note(r, 0.75, 880.0, 98.0, Shape::Square, 0.0, 0.3);
    mixInto(s, note(r, 0.75, 440.0, 49.0, Shape::Sine, 0.0), 0, 0.8f);
    envelope(s, r, 0.0, 0.45, 0.08);
    return finish("5.wav", kMono16, std::move(s), kPeak);
}

// Ball meets the field's edge: a dry tick.
Sound edgeTick() {
    const int r = kMono8.rate;
    Samples s = knock(r, 0.05, 6, 3000.0, 1500.0, 0.008);
    mixInto(s, note(r, 0.05, 2093.0, 2093.0, Shape::Sine, 0.01), 0, 0.5f);
    return finish("6.wav", kMono8, std::move(s), kSoftPeak);
}

// Bombs, row bombs, all-clear and the click explosion: a noise burst whose rumble closes down.
// Stereo, with a differently seeded noise per side for width.
Sound explosion() {
    const int r = kStereo8.rate;
    Samples left = noise(r, 0.65, 7);
    Samples right = noise(r, 0.65, 77);
    for (Samples* side : {&left, &right}) {
        lowPass(*side, r, 4000.0, 150.0);
        envelope(*side, r, 0.003, 0.16, 0.05);
        mixInto(*side, note(r, 0.4, 120.0, 40.0, Shape::Sine, 0.12), 0, 0.6f);
    }
    return finish("7.wav", kStereo8, std::move(left), 1.1f, std::move(right));
}

// EX and EX+ blocks: a sparkling run up two octaves.
Sound highScore() {
    const int r = kMono16.rate;
    Samples s = arpeggio(r, {1046.5, 1318.5, 1568.0, 2093.0, 2637.0}, 0.045, 0.14, Shape::Square, 0.04);
    return finish("8.wav", kMono16, std::move(s), kPeak);
}

// CLEAR and ALL CLEAR: a fanfare arpeggio ending on a held chord, stereo with the harmony panned.
Sound fanfare() {
    const int r = kStereo16Fast.rate;
    const std::vector<double> run{523.3, 659.3, 784.0, 1046.5};
    Samples left = arpeggio(r, run, 0.09, 0.2, Shape::Square, 0.08);
    Samples right = arpeggio(r, run, 0.09, 0.2, Shape::Triangle, 0.08);
    const std::size_t chordAt = sampleCount(r, 0.36);
    mixInto(left, note(r, 0.44, 1046.5, 1046.5, Shape::Square, 0.18), chordAt, 0.8f);
    mixInto(left, note(r, 0.44, 784.0, 784.0, Shape::Triangle, 0.18), chordAt, 0.6f);
    mixInto(right, note(r, 0.44, 1318.5, 1318.5, Shape::Triangle, 0.18), chordAt, 0.8f);
    mixInto(right, note(r, 0.44, 523.3, 523.3, Shape::Square, 0.18), chordAt, 0.5f);
    return finish("9.wav", kStereo16Fast, std::move(left), kPeak, std::move(right));
}

// Right-click turn: a quick swish down and up.
Sound swish() {
    const int r = kMono8.rate;
    Samples s = noise(r, 0.2, 10);
    lowPass(s, r, 400.0, 3500.0);
    envelope(s, r, 0.03, 0.0, 0.06);
    mixInto(s, note(r, 0.2, 1400.0, 500.0, Shape::Triangle, 0.08), 0, 0.35f);
    return finish("10.wav", kMono8, std::move(s), kPeak);
}

// Wall block that never breaks: a dull thud.
Sound wallThud() {
    const int r = kMono8.rate;
    Samples s = note(r, 0.14, 220.0, 140.0, Shape::Sine, 0.04);
    mixInto(s, knock(r, 0.03, 11, 1200.0, 600.0, 0.008), 0, 0.7f);
    return finish("11.wav", kMono8, std::move(s), kPeak);
}

// Hard block: a metallic ping of inharmonic partials.
Sound metalPing() {
    const int r = kMono16Fast.rate;
    Samples s = note(r, 0.3, 1187.0, 1187.0, Shape::Sine, 0.07);
    mixInto(s, note(r, 0.3, 3263.0, 3263.0, Shape::Sine, 0.04), 0, 0.5f);
    mixInto(s, note(r, 0.3, 5387.0, 5387.0, Shape::Sine, 0.025), 0, 0.3f);
    return finish("12.wav", kMono16Fast, std::move(s), kPeak);
}

// Pink and invisible blocks: a soft upward "pu".
Sound pinkPop() {
    const int r = kMono8.rate;
    return finish("13.wav", kMono8, note(r, 0.09, 700.0, 1100.0, Shape::Triangle, 0.04), kPeak);
}

// Blue block: a clear high "pin".
Sound bluePing() {
    const int r = kMono8.rate;
    Samples s = note(r, 0.11, 1975.5, 1975.5, Shape::Sine, 0.035);
    mixInto(s, note(r, 0.11, 3951.0, 3951.0, Shape::Sine, 0.02), 0, 0.3f);
    return finish("14.wav", kMono8, std::move(s), kPeak);
}

// Pale red block: a warmer, reedy blip.
Sound redBlip() {
    const int r = kMono8.rate;
    return finish("15.wav", kMono8, note(r, 0.1, 784.0, 740.0, Shape::Square, 0.04, 0.25), kPeak);
}

// Bar hit and serve: a short bouncy "pokon".
Sound barBounce() {
    const int r = kMono8.rate;
    Samples s = note(r, 0.08, 520.0, 360.0, Shape::Triangle, 0.03);
    mixInto(s, knock(r, 0.01, 26, 2500.0, 2500.0, 0.0), 0, 0.4f);
    return finish("at1.wav", kMono8, std::move(s), kSoftPeak);
}

// Shell button: a crisp "pi".
Sound buttonClick() {
    const int r = kMono16Fast.rate;
    return finish("b.wav", kMono16Fast, note(r, 0.08, 1760.0, 1760.0, Shape::Square, 0.03), kSoftPeak);
}

// Shell button going back: a falling "pi-po".
Sound buttonBack() {
    const int r = kMono8.rate;
    return finish("b2.wav", kMono8, arpeggio(r, {1318.5, 880.0}, 0.07, 0.08, Shape::Square, 0.03), kSoftPeak);
}

// Toy button: a springy "boing".
Sound toySpring() {
    const int r = kMono8.rate;
    Samples s = note(r, 0.3, 260.0, 520.0, Shape::Sine, 0.12);
    tremolo(s, r, 16.0, 0.6);
    return finish("h.wav", kMono8, std::move(s), kPeak);
}

// Lottery draw: the crank clacks twice, then the capsule drops.
Sound capsuleDraw() {
    const int r = kMono8.rate;
    Samples out;
    for (int i = 0; i < 2; ++i) {
        Samples clack = knock(r, 0.05, static_cast<std::uint32_t>(40 + i), 2200.0, 900.0, 0.01);
        mixInto(clack, note(r, 0.05, 330.0, 300.0, Shape::Square, 0.015), 0, 0.4f);
        mixInto(out, clack, sampleCount(r, 0.12 * i));
    }
    mixInto(out, note(r, 0.18, 620.0, 380.0, Shape::Triangle, 0.05), sampleCount(r, 0.34));
    mixInto(out, note(r, 0.12, 500.0, 330.0, Shape::Triangle, 0.04), sampleCount(r, 0.5), 0.5f);
    return finish("katan.wav", kMono8, std::move(out), kPeak);
}

}  // namespace

std::vector<Sound> soundEffects() {
    return {powerUp(),   whiteBlock(),  multiply(),   lifeLost(),  edgeTick(),   explosion(), highScore(),
            fanfare(),   swish(),       wallThud(),   metalPing(), pinkPop(),    bluePing(),  redBlip(),
            barBounce(), buttonClick(), buttonBack(), toySpring(), capsuleDraw()};
}

}  // namespace gen
