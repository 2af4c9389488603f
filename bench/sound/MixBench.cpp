// Speed of mixing: eight contributors and one contributor into 2,048-byte blocks, memcpy of the same size,
// and the full render path of eight sounding channels.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "sound/BlockMixer.h"
#include "sound/MasterVolume.h"
#include "sound/MixEngine.h"
#include "sound/VirtualAudioOutput.h"
#include "sound/WavImage.h"

namespace {

constexpr std::size_t kBlock = 2048;  // bytes of output per block

std::vector<std::vector<std::uint8_t>> sources(int count) {
    std::vector<std::vector<std::uint8_t>> s(count, std::vector<std::uint8_t>(kBlock));
    for (int j = 0; j < count; ++j)
        for (std::size_t i = 0; i < kBlock; ++i)
            s[j][i] = static_cast<std::uint8_t>((i * (j + 3)) ^ (j * 29));
    return s;
}

void mixBlocks(benchmark::State& state, int count) {
    const auto src = sources(count);
    std::array<const std::uint8_t*, 8> ptr{};
    for (int j = 0; j < count; ++j) ptr[j] = src[j].data();
    std::vector<std::uint8_t> out(kBlock);
    for (auto _ : state) {
        sound::mixStretch(out.data(), ptr.data(), count, kBlock);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBlock));
}

void BM_MixEightContributors(benchmark::State& state) {
    mixBlocks(state, 8);
}
void BM_MixTwoContributors(benchmark::State& state) {
    mixBlocks(state, 2);
}
void BM_MixOneContributor(benchmark::State& state) {
    mixBlocks(state, 1);
}

void BM_Memcpy(benchmark::State& state) {
    const auto src = sources(1);
    std::vector<std::uint8_t> out(kBlock);
    for (auto _ : state) {
        std::memcpy(out.data(), src[0].data(), kBlock);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBlock));
}

// The master volume on one mixed block: a table look-up per byte.
void BM_MasterVolumeBlock(benchmark::State& state) {
    auto block = sources(1)[0];
    sound::MasterVolume volume;
    volume.set(60, false);
    for (auto _ : state) {
        volume.apply(block.data(), kBlock);
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBlock));
}

// One block rendered through ServiceMixDevice with all eight channels looping; the output plays it at once.
// The argument is the master volume in percent (100: the stage leaves the bytes alone).
void BM_RenderEightChannels(benchmark::State& state) {
    sound::VirtualAudioOutput out;
    out.capture = false;
    sound::MixEngine engine(out, "/nonexistent/SOUNDMIX.INI");
    engine.masterVolume().set(static_cast<int>(state.range(0)), false);
    sound::MixSession* s = engine.InitMixSession(nullptr);
    engine.ActivateMixSession(s, true);
    engine.OpenMixChannel(s, 0, sound::kOpenAll);
    std::vector<std::uint8_t> image;
    for (int c = 0; c < sound::kMixChannels; ++c) {
        // Lengths that do not divide the block, so that stretches split at repetition ends too.
        std::vector<std::uint8_t> data(5000 + 333 * c, static_cast<std::uint8_t>(120 + c));
        image = sound::makeWavImage(sound::WaveFormat::pcm8(11025, 1), data);
        sound::PlayParams p;
        p.session = s;
        p.channel = c;
        p.wave = engine.LoadMixWave(s, "b", nullptr, sound::kWaveFromMemory, image);
        p.loops = sound::kLoopForever;
        p.flags = c == 7 ? 0 : sound::PlayWait;
        engine.PlayMixWave(&p);
    }
    std::size_t rendered = 0;
    for (auto _ : state) {
        const std::size_t before = out.writeCount();
        out.playBytes(kBlock);  // one block heard: its notice renders the next
        rendered += out.writeCount() - before;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(rendered * kBlock));
}

}  // namespace

BENCHMARK(BM_MixEightContributors);
BENCHMARK(BM_MixTwoContributors);
BENCHMARK(BM_MixOneContributor);
BENCHMARK(BM_Memcpy);
BENCHMARK(BM_MasterVolumeBlock);
BENCHMARK(BM_RenderEightChannels)->Arg(100)->Arg(60);
