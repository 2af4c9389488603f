// Speed of loading and converting a 10-second 16-bit stereo 22,050 Hz file, beside sox doing the same
// conversion as a whole process.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/MixEngine.h"
#include "sound/VirtualAudioOutput.h"
#include "sound/WavImage.h"

namespace {

constexpr std::uint32_t kRate = 22050;  // samples per second of the file
constexpr std::uint32_t kSeconds = 10;
constexpr std::uint32_t kFrameBytes = 4;  // 16-bit stereo

// The test file, written once per run into the temporary folder.
const std::string& testFile() {
    static const std::string path = [] {
        const std::string p =
            (std::filesystem::temp_directory_path() / ("zorban-bench-" + std::to_string(getpid()) + ".wav"))
                .string();
        std::ofstream f(p, std::ios::binary);
        sound::WaveFormat format = sound::WaveFormat::pcm8(kRate, 2);
        format.bitsPerSample = 16;
        format.blockAlign = kFrameBytes;
        format.avgBytesPerSec = kRate * kFrameBytes;
        const auto header = sound::makeWavHeader(format, kRate * kSeconds * kFrameBytes);
        f.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
        std::array<std::uint8_t, kFrameBytes> frame{};
        for (std::uint32_t i = 0; i < kRate * kSeconds; ++i) {
            const double t = static_cast<double>(i) / kRate;
            sound::putLe16(&frame[0], static_cast<std::uint16_t>(
                                          static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 440 * t))));
            sound::putLe16(&frame[2], static_cast<std::uint16_t>(
                                          static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 660 * t))));
            f.write(reinterpret_cast<const char*>(frame.data()), kFrameBytes);
        }
        std::atexit([] { std::filesystem::remove(testFile()); });
        return p;
    }();
    return path;
}

void BM_LoadAndConvertTenSeconds(benchmark::State& state) {
    sound::VirtualAudioOutput out;
    sound::MixEngine engine(out, "/nonexistent/SOUNDMIX.INI");
    sound::MixSession* s = engine.InitMixSession(nullptr);  // 8-bit mono 11,025
    const std::string& path = testFile();
    for (auto _ : state) {
        sound::MixWave* w = engine.LoadMixWave(s, path, nullptr, sound::kWaveFromFile);
        benchmark::DoNotOptimize(w->data.data());
        engine.ReleaseMixWave(s, w);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kRate * kSeconds * kFrameBytes);
}

// sox started as a process per conversion, as a tool would be, to the same 8-bit mono 11,025 Hz format.
void BM_SoxProcessTenSeconds(benchmark::State& state) {
    if (std::system("command -v sox >/dev/null 2>&1") != 0) {
        state.SkipWithError("sox is not installed");
        return;
    }
    const std::string& path = testFile();
    const std::string target = path + ".sox.wav";
    const std::string command = "sox '" + path + "' -r 11025 -c 1 -b 8 -e unsigned-integer '" + target + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("sox failed");
            break;
        }
    }
    std::filesystem::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kRate * kSeconds * kFrameBytes);
}

}  // namespace

BENCHMARK(BM_LoadAndConvertTenSeconds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoxProcessTenSeconds)->Unit(benchmark::kMillisecond)->UseRealTime();
