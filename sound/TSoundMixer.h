// The mixer component of a game window: creates the session with the window and offers load, release and
// play.
#pragma once

#include <cstdint>
#include <string_view>

#include "sound/MixEngine.h"

namespace sound {

class TSoundMixer {
  public:
    // Creates the session, letting SOUNDMIX.INI decide everything; raises "Initialization failed
    // (InitMixSession)" when no session can be made.
    explicit TSoundMixer(MixEngine& engine);
    // Channels := 0, Activated := false, then the session ends; errors are dropped here.
    ~TSoundMixer();
    TSoundMixer(const TSoundMixer&) = delete;
    TSoundMixer& operator=(const TSoundMixer&) = delete;

    // Published properties; a window applies Activated first, then Channels.
    bool Activated() const { return activated_; }
    void SetActivated(bool value);
    std::uint8_t Channels() const { return channels_; }  // bit i set: channel i open
    void SetChannels(std::uint8_t mask);

    MixWave* LoadWave(std::string_view fileName);
    void ReleaseWave(MixWave* wave);
    void PlayWave(int channel, MixWave* wave, MixNotifyTarget* notifyControl, std::uint32_t flags,
                  std::uint16_t loops);

    // True while a play of the wave is queued or sounding: releasing it then would cut it short.
    bool WaveInUse(const MixWave* wave) const { return engine_.isWaveInUse(wave); }
    MixSession* session() const { return session_; }
    MixEngine& engine() const { return engine_; }

  private:
    MixEngine& engine_;
    PlayParams params_;  // size 24 and the session, filled in at creation
    MixSession* session_ = nullptr;
    bool activated_ = false;
    std::uint8_t channels_ = 0;
};

}  // namespace sound
