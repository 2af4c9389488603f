// The sound of a play window: audio output, mixer session, the SoundMixer1 component and the two channel
// sounds.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/VolumeKeys.h"
#include "base/Doorbell.h"
#include "base/Settings.h"
#include "engine/SoundSink.h"
#include "sound/AudioOutput.h"
#include "sound/ChannelSounds.h"
#include "sound/MixEngine.h"
#include "sound/TSoundMixer.h"
#include "ui/core/Form.h"

namespace app {

// Made before the window (the window's creation pre-loads "1.wav" through it) and destroyed after it,
// releasing channelWave1, then channelWave0. Any mixer failure leaves the game silent, never stopped.
class GameAudio : public engine::SoundSink {
  public:
    // The output's notices ring bell, which must outlive this.
    GameAudio(base::Doorbell& bell, const std::string& programDir);
    ~GameAudio() override;
    GameAudio(const GameAudio&) = delete;
    GameAudio& operator=(const GameAudio&) = delete;

    void play(std::string_view fileName, int channel) override;

    // The player's volume keys on form, and the volume remembered in settings (which must outlive this),
    // applied at once. Without sound the keys still remember the choice. The form must not outlive this.
    void bindKeys(ui::Form& form, base::Settings& settings);

  private:
    std::unique_ptr<sound::AudioOutput> output_;
    std::optional<sound::MixEngine> engine_;
    std::optional<sound::TSoundMixer> SoundMixer1;
    std::optional<sound::ChannelSounds> sounds_;
    std::optional<VolumeKeys> keys_;
};

}  // namespace app
