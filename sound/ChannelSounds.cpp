// The game windows' two sound channels: playSound0/playSound1 load a file from dat/ and play it once,
// silently failing.
#include "sound/ChannelSounds.h"

#include <algorithm>

#include "sound/MixerError.h"

namespace sound {

ChannelSounds::ChannelSounds(TSoundMixer& mixer, std::string datDir)
    : mixer_(mixer), datDir_(std::move(datDir)) {
    if (!datDir_.empty() && datDir_.back() != '/') datDir_ += '/';
    try {
        load(kPreloadName, channelWave0_);
        load(kPreloadName, channelWave1_);
    } catch (const EMixerError&) {
    }
}

ChannelSounds::~ChannelSounds() {
    try {
        mixer_.ReleaseWave(channelWave1_);
        mixer_.ReleaseWave(channelWave0_);
    } catch (const EMixerError&) {
    }
    for (MixWave* wave : kept_) {
        try {
            mixer_.ReleaseWave(wave);
        } catch (const EMixerError&) {
        }
    }
}

void ChannelSounds::playSound0(std::string_view name) {
    playOn(0, name, channelWave0_);
}

void ChannelSounds::playSound1(std::string_view name) {
    playOn(1, name, channelWave1_);
}

void ChannelSounds::play(std::string_view fileName, int channel) {
    if (channel == 0)
        playSound0(fileName);
    else if (channel == 1)
        playSound1(fileName);
}

void ChannelSounds::load(std::string_view name, MixWave*& slot) {
    MixWave* wave = mixer_.LoadWave(datDir_ + std::string(name));
    // The wave held before may still be queued or sounding: keep it until it is over.
    if (slot != nullptr && slot != wave) kept_.push_back(slot);
    slot = wave;
}

void ChannelSounds::playOn(int channel, std::string_view name, MixWave*& slot) {
    try {
        load(name, slot);
        mixer_.PlayWave(channel, slot, nullptr, 0, 0);
    } catch (const EMixerError&) {
        // A sound that cannot be loaded or played is simply not heard.
    }
    sweep();
}

void ChannelSounds::sweep() {
    std::erase_if(kept_, [this](MixWave* wave) {
        if (mixer_.WaveInUse(wave)) return false;
        try {
            mixer_.ReleaseWave(wave);
        } catch (const EMixerError&) {
        }
        return true;
    });
}

}  // namespace sound
