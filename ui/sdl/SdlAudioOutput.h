// The real sound device through SDL2 (PulseAudio, PipeWire or ALSA underneath). SDL's thread only copies
// bytes out of the feed and rings the doorbell; everything else runs on the UI thread. A device that goes
// away (the sound server stopped, the headphones pulled) is played into nothing at the clock's pace until the
// default output can be opened again, which is tried now and then while sound is played.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "base/Doorbell.h"
#include "sound/AudioOutput.h"
#include "sound/DeviceFeed.h"
#include "sound/PacedDrain.h"

namespace ui {

class SdlAudioOutput : public sound::AudioOutput {
  public:
    // SDL's own buffer, about 23 ms at 44,100 samples per second: the sound server gets that much ahead,
    // enough for a machine busy with other work to wake SDL's thread in time.
    static constexpr Uint16 kDeviceFrames = 1024;
    static constexpr int kErrorOpen = 2;      // open error number when SDL refuses the device
    static constexpr Uint32 kRetryMs = 1000;  // a lost device is looked for again this often

    // An output when SDL's audio starts and its default device can be opened; otherwise null. Finished blocks
    // ring bell, whose answer is this output's while it is open.
    static std::unique_ptr<SdlAudioOutput> create(base::Doorbell& bell);
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    int deviceCount() const override;
    bool capabilities(int device, sound::AudioCaps& caps) const override;
    bool supportsFormat(int device, const sound::WaveFormat& format) const override;
    int open(int device, const sound::WaveFormat& format, std::function<void()> blockDone) override;
    int write(sound::WaveHeader& header) override;
    void reset() override;
    void pause() override;
    void restart() override;
    std::uint32_t positionBytes() const override { return feed_.queue().position(); }
    void close() override;
    std::uint32_t clockMs() const override { return SDL_GetTicks(); }

    // True while the device is gone and its sound goes nowhere.
    bool lost() const { return drain_.has_value(); }

  private:
    explicit SdlAudioOutput(base::Doorbell& bell) : bell_(bell) {}
    static void fill(void* self, Uint8* stream, int len);  // SDL's audio thread
    SDL_AudioDeviceID openDevice();                        // paused; 0 when SDL refuses
    void answer();                                         // the doorbell's answer
    void watch();                                          // notices a lost device, looks for its return
    void lose();
    void tryAgain();

    base::Doorbell& bell_;
    sound::DeviceFeed feed_{&bell_};
    bool audioStarted_ = true;      // SDL's audio is initialised (create() started it)
    SDL_AudioDeviceID device_ = 0;  // 0: not open
    int deviceNumber_ = sound::kDefaultDevice;
    sound::WaveFormat format_;
    bool open_ = false;  // open() succeeded and close() has not been called
    Uint32 lastTry_ = 0;
    std::optional<sound::PacedDrain> drain_;  // plays the feed while the device is lost
};

}  // namespace ui
