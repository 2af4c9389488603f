// libFuzzer target: RIFF WAVE images built from the input (see StructuredWav.h), written to a file and loaded
// as the game loads its sounds, by path through the mixer into a session whose output format the input picks.
// The file must give exactly what the same image gives from memory: the same samples or the same message.
// Now and then the last read of the load fails (the target is linked with -Wl,--wrap=read, every read of
// the program's own code goes through __wrap_read below): the load fails and keeps nothing.
#include <sys/types.h>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "StructuredWav.h"
#include "fuzz/TempFile.h"
#include "sound/ByteSource.h"
#include "sound/MixEngine.h"
#include "sound/MixerError.h"
#include "sound/RiffWaveReader.h"
#include "sound/VirtualAudioOutput.h"
#include "sound/WaveConverter.h"

namespace {

int reads = 0;         // read calls since the count was reset
int failingRead = -1;  // the one that fails, or none

}  // namespace

extern "C" ssize_t __real_read(int fd, void* buffer, std::size_t size);
extern "C" ssize_t __wrap_read(int fd, void* buffer, std::size_t size) {
    if (reads++ == failingRead) {
        errno = EIO;
        return -1;
    }
    return __real_read(fd, buffer, size);
}

namespace {

using namespace sound;

struct Mixer {
    explicit Mixer(const MixInitConfig& config) : engine(out, "/nonexistent/SOUNDMIX.INI") {
        session = engine.InitMixSession(&config);
    }
    VirtualAudioOutput out;
    MixEngine engine;
    MixSession* session = nullptr;
};

// What loading the image from memory gives: the converted samples, or the message.
struct Outcome {
    std::vector<std::uint8_t> data;
    std::string error;
};

Outcome fromMemory(const std::vector<std::uint8_t>& image, const WaveFormat& out) {
    try {
        RiffWave wave = RiffWaveReader::read(MemoryByteSource(image));
        return {WaveConverter::convert(std::move(wave.data), wave.format, out), {}};
    } catch (const EMixerError& e) {
        return {{}, e.what()};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzfile::TempFile file("wav");
    static std::unique_ptr<Mixer> mixers[6];
    FuzzedDataProvider in(data, size);
    const int which = in.ConsumeIntegralInRange<int>(0, 5);
    if (!mixers[which]) {
        MixInitConfig config;
        config.flags = kConfigChannels | kConfigRate;
        config.channels = static_cast<std::uint16_t>(which % 2 + 1);
        config.rateCode = static_cast<std::uint16_t>(which / 2 == 0 ? 11 : which / 2 == 1 ? 22 : 44);
        mixers[which] = std::make_unique<Mixer>(config);
    }
    Mixer& mixer = *mixers[which];
    // Now and then a path that names no file, or a folder.
    const int place = in.ConsumeIntegralInRange<int>(0, 31);
    if (place >= 30) {
        const std::string path = place == 30 ? file.path() + ".missing" : "/dev/shm";
        try {
            mixer.engine.LoadMixWave(mixer.session, path, nullptr, kWaveFromFile);
        } catch (const EMixerError& e) {
            if (e.what() != "Failed to open wave file " + path) __builtin_trap();
            return 0;
        }
        __builtin_trap();
    }
    const std::vector<std::uint8_t> image = fuzzwav::buildImage(in);
    file.write(std::string(image.begin(), image.end()));
    if (place == 29) {
        // The reads a load makes, then the same load with its last read failing: the one that finds the end.
        reads = 0;
        try {
            mixer.engine.ReleaseMixWave(
                mixer.session, mixer.engine.LoadMixWave(mixer.session, file.path(), nullptr, kWaveFromFile));
        } catch (const EMixerError&) {
        }
        failingRead = reads - 1;
        reads = 0;
        try {
            mixer.engine.LoadMixWave(mixer.session, file.path(), nullptr, kWaveFromFile);
            __builtin_trap();
        } catch (const EMixerError&) {
        }
        failingRead = -1;
        if (mixer.engine.loadedWaves() != 0) __builtin_trap();
        return 0;
    }
    const Outcome expected = fromMemory(image, mixer.session->format);
    try {
        MixWave* wave = mixer.engine.LoadMixWave(mixer.session, file.path(), nullptr, kWaveFromFile);
        if (!expected.error.empty() || wave->data != expected.data) __builtin_trap();
        mixer.engine.ReleaseMixWave(mixer.session, wave);
    } catch (const EMixerError& e) {
        if (e.what() != expected.error) __builtin_trap();
    }
    if (mixer.engine.loadedWaves() != 0) __builtin_trap();  // a failed load keeps nothing
    return 0;
}
