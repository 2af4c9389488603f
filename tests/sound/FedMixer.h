// A mixer whose device is the test's own thread (see FeedOutput), its doorbell answered by a UiThread:
// activated with channels 0 and 1 open, in blocks of 512 bytes at 44,100 samples a second, four queued.
#pragma once

#include <string>

#include "FeedOutput.h"
#include "SoundTestKit.h"
#include "UiThread.h"
#include "sound/MixEngine.h"
#include "sound/TSoundMixer.h"

namespace soundtest {

struct FedMixer {
    FedMixer() {
        mixer.SetActivated(true);
        mixer.SetChannels(3);
    }
    // A wave of 8-bit mono samples at 44,100 Hz, loaded from memory.
    sound::MixWave* wave(const std::string& name, const Bytes& samples) {
        return engine.LoadMixWave(mixer.session(), name, nullptr, sound::kWaveFromMemory,
                                  makeWav(1, 44100, 8, samples));
    }

    UiThread ui;
    FeedOutput out{ui.bell()};
    TempDir dir;
    sound::MixEngine engine{out, writeIni(dir)};
    sound::TSoundMixer mixer{engine};

  private:
    static std::string writeIni(const TempDir& dir) {
        dir.write("SOUNDMIX.INI",
                  std::string("[default]\nSamplesPerSec=44\nWaveBlocks=4\nWaveBlockLen=512\n"));
        return dir.path("SOUNDMIX.INI");
    }
};

}  // namespace soundtest
