// The real sound device through SDL2 (PulseAudio, PipeWire or ALSA underneath); SDL's thread only copies bytes out.
#pragma once

#include <SDL.h>

#include <memory>

#include "sound/AudioOutput.h"
#include "sound/NotifyingQueue.h"

namespace ui {

class SdlAudioOutput : public sound::AudioOutput {
public:
    static constexpr Uint16 kDeviceFrames = 256;  // SDL's own buffer: about 6 ms at 44,100 samples per second
    static constexpr int kErrorOpen = 2;          // open error number when SDL refuses the device

    // An output when SDL's audio starts and its default device can be opened; otherwise null.
    static std::unique_ptr<SdlAudioOutput> create(sound::PostFn post);
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
    std::uint32_t positionBytes() const override { return blocks_.queue().position(); }
    void close() override;
    std::uint32_t clockMs() const override { return SDL_GetTicks(); }

private:
    explicit SdlAudioOutput(sound::PostFn post) : post_(std::move(post)) {}
    static void fill(void* self, Uint8* stream, int len);  // SDL's audio thread

    sound::PostFn post_;
    sound::NotifyingQueue blocks_;
    SDL_AudioDeviceID device_ = 0;  // 0: not open
};

}  // namespace ui
