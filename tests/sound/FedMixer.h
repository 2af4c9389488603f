// A mixer whose device is the test's own thread, its doorbell answered by a UiThread: activated with
// channels 0 and 1 open, in blocks of 512 bytes at 44,100 samples a second, four queued. FedMixer's device
// only plays the blocks the UI thread renders (see FeedOutput); ThreadMixer's mixes (see ThreadDevice.h).
#pragma once

#include <string>
#include <utility>

#include "FeedOutput.h"
#include "SoundTestKit.h"
#include "UiThread.h"
#include "sound/MixEngine.h"
#include "sound/TSoundMixer.h"

namespace soundtest {

template <typename Output>
struct MixerOn {
    // The output is made with the doorbell and args.
    template <typename... Args>
    explicit MixerOn(Args&&... args) : out(ui.bell(), std::forward<Args>(args)...) {
        mixer.SetActivated(true);
        mixer.SetChannels(3);
    }
    // A wave of 8-bit mono samples at 44,100 Hz, loaded from memory.
    sound::MixWave* wave(const std::string& name, const Bytes& samples) {
        return engine.LoadMixWave(mixer.session(), name, nullptr, sound::kWaveFromMemory,
                                  makeWav(1, 44100, 8, samples));
    }
    // Answers the doorbell until the device has stopped (or ms have passed); true when it has.
    bool runUntilStopped(int ms) {
        ui.runFor(ms, [&] { return !out.mixing(); });
        return !out.mixing();
    }

    UiThread ui;
    Output out;
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

using FedMixer = MixerOn<FeedOutput>;

}  // namespace soundtest
