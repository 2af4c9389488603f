// A long run of game-like sound on the clock-paced output (silent, or into a WAV file), serviced through an
// event thread that stalls like a busy game window. Counts underruns (the output ran out of blocks inside a
// sound) and measures the onset latency of probe sounds: from the play request to their first byte at the
// output.
//
// Ten real minutes with the shipped settings (the figures of the no-underrun goal):
//     build/bench/sound_endurance --minutes 10
// Options: --minutes M (default 10), --stall-ms S (longest stall of the event thread per 56 ms tick, default
// 30),
// --ini PATH (default: the shipped SOUNDMIX.INI), --wav PATH (also write what was played), --seed N.
// Exit status 1 when any underrun was counted.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "UiLoop.h"
#include "sound/ClockedAudioOutput.h"
#include "sound/MixEngine.h"
#include "sound/TSoundMixer.h"
#include "sound/WavFileSink.h"
#include "sound/WavImage.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kTick = 56ms;               // the ball tick of a game window
constexpr std::uint8_t kProbeLevel = 250;  // probe samples; game sounds stay within kGameSwing of silence
constexpr int kGameSwing = 8;
constexpr std::uint8_t kOnsetThreshold = 200;  // a byte this loud can only come from a probe
constexpr double kGameSoundChance = 0.15;      // per tick, a sound on channel 0 (queued behind the last)
constexpr double kProbeChance = 0.25;          // per tick, a probe on channel 1 when none is pending

struct Options {
    double minutes = 10;
    int stallMs = 30;
    std::string ini = std::string(ZORBAN_SOUND_SOURCE_DIR) + "/SOUNDMIX.INI";
    std::string wav;
    unsigned seed = 1;
};

// Watches the played bytes for the first loud byte after each probe request; can also keep them in a WAV
// file.
class ProbeSink : public sound::PlayedSink {
  public:
    explicit ProbeSink(std::string wavPath) {
        if (!wavPath.empty()) file_ = std::make_unique<sound::WavFileSink>(std::move(wavPath));
    }
    bool open(const sound::WaveFormat& format) override {
        rate_ = format.avgBytesPerSec;
        return !file_ || file_->open(format);
    }
    void close() override {
        if (file_) file_->close();
    }
    void write(const std::uint8_t* bytes, std::size_t n) override {
        const Clock::time_point now = Clock::now();
        if (file_) file_->write(bytes, n);
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            const bool loud = bytes[i] >= kOnsetThreshold;
            if (waiting_ && loud) {
                // The bytes of one write became due over the time before it: byte i was heard (n - i) bytes
                // ago.
                const auto heardAt = now - std::chrono::microseconds((n - i) * 1'000'000 / rate_);
                onsets_.push_back(
                    {std::chrono::duration<double, std::milli>(heardAt - requested_).count(), busy_});
                waiting_ = false;
                sounding_ = true;
            } else if (sounding_ && !loud) {
                sounding_ = false;
            }
        }
    }
    // UI thread, before the play: the next loud byte answers this request.
    void expect(bool busy) {
        std::lock_guard lock(mutex_);
        requested_ = Clock::now();
        busy_ = busy;
        waiting_ = true;
    }
    bool pending() {
        std::lock_guard lock(mutex_);
        return waiting_ || sounding_;
    }
    struct Onset {
        double ms;
        bool busy;  // channel 0 was sounding when the probe was asked for
    };
    std::vector<Onset> onsets() {
        std::lock_guard lock(mutex_);
        return onsets_;
    }

  private:
    std::unique_ptr<sound::WavFileSink> file_;
    std::uint32_t rate_ = 1;
    std::mutex mutex_;  // guards what follows
    Clock::time_point requested_;
    bool busy_ = false;
    bool waiting_ = false;
    bool sounding_ = false;
    std::vector<Onset> onsets_;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--minutes")
            o.minutes = std::atof(value);
        else if (key == "--stall-ms")
            o.stallMs = std::atoi(value);
        else if (key == "--ini")
            o.ini = value;
        else if (key == "--wav")
            o.wav = value;
        else if (key == "--seed")
            o.seed = static_cast<unsigned>(std::atoi(value));
        else {
            std::fprintf(stderr, "unknown option %s\n", key.c_str());
            std::exit(2);
        }
    }
    return o;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

void report(const char* what, const std::vector<double>& ms) {
    std::printf("%s: %zu, ms min %.1f / median %.1f / p95 %.1f / p99 %.1f / max %.1f\n", what, ms.size(),
                percentile(ms, 0), percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 0.99),
                percentile(ms, 1));
}

}  // namespace

int main(int argc, char** argv) {
    const Options opt = parse(argc, argv);
    soundbench::UiLoop ui;
    auto sinkOwned = std::make_unique<ProbeSink>(opt.wav);
    ProbeSink& probes = *sinkOwned;
    sound::ClockedAudioOutput out(ui.bell(), "Endurance Output", std::move(sinkOwned));
    sound::MixEngine engine(out, opt.ini);
    sound::TSoundMixer mixer(engine);
    mixer.SetActivated(true);
    mixer.SetChannels(3);
    sound::MixSession& s = *mixer.session();

    std::mt19937 random(opt.seed);
    const auto load = [&](std::vector<std::uint8_t> samples) {
        return engine.LoadMixWave(&s, "w", nullptr, sound::kWaveFromMemory,
                                  sound::makeWavImage(s.format, samples));
    };
    // Game sounds of 40 to 700 ms: quiet noise, so that a probe mixed over them is still recognised.
    std::vector<sound::MixWave*> gameSounds;
    for (int ms : {40, 80, 150, 300, 500, 700}) {
        std::vector<std::uint8_t> samples(s.format.avgBytesPerSec * static_cast<std::uint32_t>(ms) / 1000);
        for (auto& b : samples)
            b = static_cast<std::uint8_t>(128 - kGameSwing +
                                          static_cast<int>(random() % (2 * kGameSwing + 1)));
        gameSounds.push_back(load(std::move(samples)));
    }
    sound::MixWave* probe =
        load(std::vector<std::uint8_t>(s.format.avgBytesPerSec / 50, kProbeLevel));  // 20 ms

    std::uniform_real_distribution<double> chance(0, 1);
    std::uniform_int_distribution<int> stallUs(0, opt.stallMs * 1000);
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(opt.minutes * 60));
    std::printf(
        "running %.1f min: %u Hz, %d blocks of %d bytes, event thread stalls of 0..%d ms per %lld ms tick\n",
        opt.minutes, s.format.samplesPerSec, s.blockCount, s.blockLength, opt.stallMs,
        static_cast<long long>(kTick.count()));
    std::fflush(stdout);
    std::vector<double> overshootMs;  // how much longer each stall lasted than asked
    Clock::time_point next = start;
    while (next < end) {
        ui.runUntil(next);
        // A tick: the game asks for its sounds, then the handler keeps the event thread busy for a while.
        if (chance(random) < kGameSoundChance)
            mixer.PlayWave(0, gameSounds[random() % gameSounds.size()], nullptr, 0, 0);
        if (!probes.pending() && s.queues[1] == nullptr && chance(random) < kProbeChance) {
            probes.expect(s.queues[0] != nullptr);
            mixer.PlayWave(1, probe, nullptr, 0, 0);
        }
        const auto stall = std::chrono::microseconds(stallUs(random));
        const Clock::time_point stallStart = Clock::now();
        std::this_thread::sleep_for(stall);
        // A loaded machine wakes the thread late: that lateness is the host's, not the stall asked for.
        overshootMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - stallStart - stall).count());
        next += kTick;
    }
    ui.runUntil(Clock::now() + 1s);  // the last sounds end

    std::vector<double> busy, idle;
    for (const auto& o : probes.onsets()) (o.busy ? busy : idle).push_back(o.ms);
    std::printf("ran %.1f s; underruns: %u\n", std::chrono::duration<double>(Clock::now() - start).count(),
                engine.underruns());
    report("stalls, lateness of the host in waking the event thread", overshootMs);
    report("probe onsets while channel 0 sounds", busy);
    report("probe onsets from silence on channel 0", idle);
    return engine.underruns() == 0 ? 0 : 1;
}
