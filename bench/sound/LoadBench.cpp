// Speed of loading and converting a 10-second 16-bit stereo 22,050 Hz file, beside sox doing the same conversion
// as a whole process.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/MixEngine.h"
#include "sound/VirtualAudioOutput.h"

namespace {

constexpr std::uint32_t kRate = 22050;     // samples per second of the file
constexpr std::uint32_t kSeconds = 10;
constexpr std::uint32_t kFrameBytes = 4;   // 16-bit stereo

void put16(std::ofstream& f, unsigned v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    f.write(b, 2);
}
void put32(std::ofstream& f, std::uint32_t v) {
    put16(f, v & 0xFFFF);
    put16(f, v >> 16);
}

// The test file, written once per run into the temporary folder.
const std::string& testFile() {
    static const std::string path = [] {
        const std::string p =
            (std::filesystem::temp_directory_path() / ("zorban-bench-" + std::to_string(getpid()) + ".wav")).string();
        std::ofstream f(p, std::ios::binary);
        const std::uint32_t dataBytes = kRate * kSeconds * kFrameBytes;
        f.write("RIFF", 4);
        put32(f, 36 + dataBytes);
        f.write("WAVEfmt ", 8);
        put32(f, 16);
        put16(f, 1);
        put16(f, 2);
        put32(f, kRate);
        put32(f, kRate * kFrameBytes);
        put16(f, kFrameBytes);
        put16(f, 16);
        f.write("data", 4);
        put32(f, dataBytes);
        for (std::uint32_t i = 0; i < kRate * kSeconds; ++i) {
            const double t = static_cast<double>(i) / kRate;
            put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 440 * t))));
            put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 660 * t))));
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
