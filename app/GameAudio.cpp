// Building a play window's sound chain; a failure anywhere leaves it silent.
#include "app/GameAudio.h"

#include <utility>

#include "ui/sdl/AudioOutputFactory.h"

namespace app {
namespace {
constexpr std::uint8_t kGameChannels = 3;  // channels 0 and 1
}

GameAudio::GameAudio(base::Doorbell& bell, std::string programDir)
    : bell_(bell), programDir_(std::move(programDir)) {}

void GameAudio::open() {
    if (opened_) return;
    opened_ = true;
    try {
        output_ = ui::makeAudioOutput(bell_);
        engine_.emplace(*output_, programDir_ + "dat/SOUNDMIX.INI");
        SoundMixer1.emplace(*engine_);
        SoundMixer1->SetActivated(true);
        SoundMixer1->SetChannels(kGameChannels);
        sounds_.emplace(*SoundMixer1, programDir_ + "dat/");
    } catch (...) {
        // Sound is fire-and-forget: without a mixer the game plays silently.
    }
    if (keys_ && engine_) keys_->setVolume(&engine_->masterVolume());
}

GameAudio::~GameAudio() {
    keys_.reset();
    sounds_.reset();
    SoundMixer1.reset();
    engine_.reset();
}

void GameAudio::bindKeys(ui::Form& form, base::Settings& settings) {
    keys_.emplace(settings, engine_ ? &engine_->masterVolume() : nullptr);
    form.addKeyHandler([this, &form](const ui::KeyEvent& e) {
        if (!keys_->key(e)) return false;
        form.showNote(keys_->note());
        return true;
    });
}

void GameAudio::play(std::string_view fileName, int channel) {
    open();
    if (sounds_) sounds_->play(fileName, channel);
}

}  // namespace app
