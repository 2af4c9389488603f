// The player's volume keys: M mutes and unmutes, '-' lowers and '+' or '=' raises the master volume in steps;
// the choice is remembered in the settings as "Volume" and "Mute" and applied again at the next start.
#include "app/VolumeKeys.h"

#include <algorithm>

#include "base/Translation.h"

namespace app {

VolumeKeys::VolumeKeys(base::Settings& settings, sound::MasterVolume* volume)
    : settings_(settings),
      volume_(volume),
      percent_(
          std::clamp(settings.get(kVolumeKey, sound::MasterVolume::kFull), 0, sound::MasterVolume::kFull)),
      muted_(settings.get(kMuteKey, 0) != 0) {
    if (volume_ != nullptr) volume_->set(percent_, muted_);
}

void VolumeKeys::setVolume(sound::MasterVolume* volume) {
    volume_ = volume;
    if (volume_ != nullptr) volume_->set(percent_, muted_);
}

bool VolumeKeys::key(const ui::KeyEvent& e) {
    if (e.ctrl || e.alt) return false;
    switch (e.key) {
        case 'M':
            // Held down, the key would flicker between the two.
            if (!e.autoRepeat) change(percent_, !muted_);
            return true;
        case '-':
            // A volume key makes itself heard: it also ends a mute.
            change(percent_ - kStep, false);
            return true;
        case '+':
        case '=':
            change(percent_ + kStep, false);
            return true;
        default:
            return false;
    }
}

void VolumeKeys::change(int percent, bool muted) {
    percent = std::clamp(percent, 0, sound::MasterVolume::kFull);
    if (percent != percent_) settings_.set(kVolumeKey, percent);
    if (muted != muted_) settings_.set(kMuteKey, muted ? 1 : 0);
    percent_ = percent;
    muted_ = muted;
    if (volume_ != nullptr) volume_->set(percent_, muted_);
}

std::string VolumeKeys::note() const {
    return muted_ ? base::translate("Volume", "ミュート")
                  : base::fillIn(base::translate("Volume", "音量 %1%"), std::to_string(percent_));
}

}  // namespace app
