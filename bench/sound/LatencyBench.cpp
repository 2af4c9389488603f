// Onset latency on the virtual output: from a play request to its first sample at the output, from silence
// and while another channel keeps the blocks full, at the default settings and with the shipped SOUNDMIX.INI.
// The counters are milliseconds of output time; the device's own buffer (about 6 ms with SDL) comes on top.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sound/MixEngine.h"
#include "sound/VirtualAudioOutput.h"
#include "sound/WavImage.h"

namespace {

std::string shippedSettings() {
    std::ifstream in(std::string(ZORBAN_SOUND_SOURCE_DIR) + "/SOUNDMIX.INI", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> image(std::uint32_t rate, std::size_t n, std::uint8_t value) {
    return sound::makeWavImage(sound::WaveFormat::pcm8(rate, 1), std::vector<std::uint8_t>(n, value));
}

// Output milliseconds from the request to the first byte of the new sound; busy: channel 0 plays throughout
// and the request comes `phase` bytes into its audio.
double onsetMs(const std::string& settings, bool busy, std::size_t phase) {
    const std::filesystem::path ini =
        std::filesystem::temp_directory_path() / ("zorban-latency-" + std::to_string(getpid()) + ".ini");
    std::ofstream(ini, std::ios::binary) << settings;
    sound::VirtualAudioOutput out;
    sound::MixEngine engine(out, ini.string());
    sound::MixSession* s = engine.InitMixSession(nullptr);
    engine.ActivateMixSession(s, true);
    engine.OpenMixChannel(s, 2, sound::kOpenCount);
    const std::uint32_t rate = s->format.samplesPerSec;
    const auto play = [&](int channel, std::uint8_t value, std::uint16_t loops) {
        sound::PlayParams p;
        p.session = s;
        p.channel = channel;
        p.loops = loops;
        p.wave = engine.LoadMixWave(s, "w", nullptr, sound::kWaveFromMemory, image(rate, 1000, value));
        engine.PlayMixWave(&p);
    };
    if (busy) {
        play(0, 128, sound::kLoopForever);  // a silent sound that keeps every block rendered ahead
        out.playBytes(phase);
    }
    const std::size_t requested = out.played().size();
    play(1, 255, 0);
    out.playBytes(static_cast<std::size_t>(rate));  // one second
    const auto& heard = out.played();
    const auto first = std::find(heard.begin() + static_cast<std::ptrdiff_t>(requested), heard.end(), 255);
    std::filesystem::remove(ini);
    return 1000.0 * static_cast<double>(first - heard.begin() - static_cast<std::ptrdiff_t>(requested)) /
           rate;
}

void onset(benchmark::State& state, const std::string& settings) {
    double worst = 0, silence = 0;
    for (auto _ : state) {
        silence = onsetMs(settings, false, 0);
        worst = 0;
        for (std::size_t phase = 0; phase < 20000; phase += 97)
            worst = std::max(worst, onsetMs(settings, true, phase));
    }
    state.counters["onset_from_silence_ms"] = silence;
    state.counters["onset_worst_while_busy_ms"] = worst;
}

void BM_OnsetLatencyDefaults(benchmark::State& state) {
    onset(state, "");
}
void BM_OnsetLatencyShipped(benchmark::State& state) {
    onset(state, shippedSettings());
}

}  // namespace

BENCHMARK(BM_OnsetLatencyDefaults)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnsetLatencyShipped)->Iterations(1)->Unit(benchmark::kMillisecond);
