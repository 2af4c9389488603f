// The real sound device through SDL2 (PulseAudio, PipeWire or ALSA underneath). The device is opened when a
// sound is due and closed once it has played silence for a while (DeviceMixOutput): SDL's thread, at the
// time-critical priority the desktop grants, mixes the next blocks itself. A device that goes away (the sound
// server stopped, the headphones pulled) is played into nothing at the clock's pace until the default output
// can be opened again, which is tried now and then while sound is played.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Doorbell.h"
#include "sound/DeviceMixOutput.h"
#include "sound/PacedDrain.h"
#include "ui/sdl/SdlDeviceCare.h"

namespace ui {

class SdlAudioOutput : public sound::DeviceMixOutput {
  public:
    // SDL's own buffer, about 23 ms at 44,100 samples per second: the sound server gets that much ahead.
    static constexpr Uint16 kDeviceFrames = 1024;
    static constexpr Uint32 kRetryMs = 1000;  // a lost device is looked for again this often
    // A playing device that has asked for no sound this long is taken as lost (SDL's PipeWire output goes
    // quiet when its server ends, and says nothing).
    static constexpr Uint32 kStallMs = 1000;

    // An output when SDL's audio starts and its default device can be opened; otherwise null. Finished
    // blocks and ended plays ring bell, whose answer is this output's while it is open.
    static std::unique_ptr<SdlAudioOutput> create(base::Doorbell& bell);
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    int deviceCount() const override;
    bool capabilities(int device, sound::AudioCaps& caps) const override;
    bool supportsFormat(int device, const sound::WaveFormat& format) const override;
    int open(int device, const sound::WaveFormat& format, std::function<void()> blockDone) override;
    std::uint32_t clockMs() const override { return SDL_GetTicks(); }

    // True while the device is gone and its sound goes nowhere.
    bool lost() const { return lost_; }

  protected:
    void startDevice() override;
    void stopDevice() override;
    void watch() override;

  private:
    explicit SdlAudioOutput(base::Doorbell& bell) : DeviceMixOutput(bell), bell_(bell), care_(bell) {}
    static void fillFromSdl(void* self, Uint8* stream, int len);  // SDL's audio thread
    void askForRealtime() noexcept;                               // SDL's audio thread, once
    SDL_AudioDeviceID openDevice();                               // paused; 0 when SDL refuses
    void lose();
    void tryAgain();
    void drainWhileLost();
    void started();  // the UI thread: a device began to play
    bool stalled();  // the UI thread: the playing device has asked for nothing for kStallMs

    bool audioStarted_ = true;      // SDL's audio is initialised (create() started it)
    SDL_AudioDeviceID device_ = 0;  // 0: not open
    int deviceNumber_ = sound::kDefaultDevice;
    bool lost_ = false;
    bool realtimeAsked_ = false;  // by this device's thread (set false before its thread starts)
    base::Doorbell& bell_;
    std::atomic<std::uint32_t> fills_{0};  // the audio thread's calls, counted
    std::atomic<Sint64> refusedTid_{0};    // an audio thread that could not raise its own priority
    std::uint32_t seenFills_ = 0;          // the UI thread: fills_ when last looked at,
    Uint32 seenAt_ = 0;                    // and when it last changed
    SdlDeviceCare care_;                   // ends before the members above
    Uint32 lastTry_ = 0;
    std::optional<sound::PacedDrain> drain_;  // mixes the feed while the device is lost
};

}  // namespace ui
