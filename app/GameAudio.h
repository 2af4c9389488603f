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

// Made before the window and destroyed after it, releasing channelWave1, then channelWave0. Any mixer
// failure leaves the game silent, never stopped. The sound device is opened and "1.wav" pre-loaded by open(),
// which the program calls once its window shows, so that the window need not wait for them; the first sound
// asked for before then opens it at once.
class GameAudio : public engine::SoundSink {
  public:
    // The output's notices ring bell, which must outlive this.
    GameAudio(base::Doorbell& bell, std::string programDir);
    ~GameAudio() override;
    GameAudio(const GameAudio&) = delete;
    GameAudio& operator=(const GameAudio&) = delete;

    // Opens the sound device, the mixer session with channels 0 and 1 and pre-loads the channels' waves;
    // once only.
    void open();
    void play(std::string_view fileName, int channel) override;

    // The player's volume keys on form, and the volume remembered in settings (which must outlive this),
    // applied at once. Without sound the keys still remember the choice. The form must not outlive this.
    void bindKeys(ui::Form& form, base::Settings& settings);

  private:
    base::Doorbell& bell_;
    std::string programDir_;
    bool opened_ = false;
    std::unique_ptr<sound::AudioOutput> output_;
    std::optional<sound::MixEngine> engine_;
    std::optional<sound::TSoundMixer> SoundMixer1;
    std::optional<sound::ChannelSounds> sounds_;
    std::optional<VolumeKeys> keys_;
};

}  // namespace app
