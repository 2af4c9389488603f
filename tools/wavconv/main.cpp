// zorban_wavconv: writes the bytes the mixer would play for a wave file, converted to the output format that
// the given SOUNDMIX.INI sets up, optionally at a master volume; the end-to-end sound checks look for them in
// a recording. Usage: zorban_wavconv SOUNDMIX.INI IN.wav OUT.raw [VOLUME]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound/MasterVolume.h"
#include "sound/MixEngine.h"
#include "sound/MixerError.h"
#include "sound/VirtualAudioOutput.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s SOUNDMIX.INI IN.wav OUT.raw [VOLUME]\n", argv[0]);
        return 2;
    }
    try {
        sound::VirtualAudioOutput out;  // the format query of the load asks an output; this one takes any PCM
        sound::MixEngine engine(out, argv[1]);
        sound::MixSession* session = engine.InitMixSession(nullptr);
        sound::MixWave* wave = engine.LoadMixWave(session, argv[2], nullptr, sound::kWaveFromFile);
        std::vector<std::uint8_t> bytes = wave->data;
        if (argc == 5) {
            sound::MasterVolume volume;
            volume.set(std::atoi(argv[4]), false);
            volume.apply(bytes.data(), bytes.size());
        }
        std::FILE* f = std::fopen(argv[3], "wb");
        if (f == nullptr) {
            std::perror(argv[3]);
            return 1;
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        if (std::fclose(f) != 0 || !written) {
            std::perror(argv[3]);
            return 1;
        }
        std::printf("%s: %zu bytes at %u Hz, %u channel(s)\n", argv[3], bytes.size(),
                    session->format.samplesPerSec, session->format.channels);
    } catch (const sound::EMixerError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
