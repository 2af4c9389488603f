// The game windows' two sound channels: playSound0/playSound1 load a file from dat/ and play it once,
// silently failing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sound/TSoundMixer.h"

namespace sound {

class ChannelSounds {
  public:
    static constexpr const char* kPreloadName = "1.wav";

    // Pre-loads dat/1.wav into channelWave0, then again into channelWave1; failures are ignored.
    ChannelSounds(TSoundMixer& mixer, std::string datDir);
    // Releases channelWave1, then channelWave0 (the first failure ends that), then every wave kept back.
    ~ChannelSounds();
    ChannelSounds(const ChannelSounds&) = delete;
    ChannelSounds& operator=(const ChannelSounds&) = delete;

    // Load datDir/name afresh and play it once on channel 0 (1); every failure is swallowed.
    void playSound0(std::string_view name);
    void playSound1(std::string_view name);
    // The engine's sound requests: channel 0 or 1; any other channel is not heard.
    void play(std::string_view fileName, int channel);

    MixWave* channelWave0() const { return channelWave0_; }
    MixWave* channelWave1() const { return channelWave1_; }
    std::size_t keptBack() const { return kept_.size(); }

  private:
    void playOn(int channel, std::string_view name, MixWave*& slot);
    void load(std::string_view name, MixWave*& slot);
    // Releases the kept-back waves that can no longer sound.
    void sweep();

    TSoundMixer& mixer_;
    std::string datDir_;  // with a trailing '/'
    MixWave* channelWave0_ = nullptr;
    MixWave* channelWave1_ = nullptr;
    std::vector<MixWave*> kept_;  // replaced waves, kept until their plays are over
};

}  // namespace sound
