// The player's volume keys: M mutes and unmutes, '-' lowers and '+' or '=' raises the master volume in steps;
// the choice is remembered in the settings as "Volume" and "Mute" and applied again at the next start.
#pragma once

#include <string>

#include "base/Settings.h"
#include "sound/MasterVolume.h"
#include "ui/core/Key.h"

namespace app {

class VolumeKeys {
  public:
    static constexpr int kStep = 10;  // percent per key press
    static constexpr const char* kVolumeKey = "Volume";
    static constexpr const char* kMuteKey = "Mute";

    // Reads the remembered choice and applies it to volume. volume may be null (no sound on this machine):
    // the keys then only remember the choice. Both must outlive this.
    VolumeKeys(base::Settings& settings, sound::MasterVolume* volume);

    // The master volume, once there is one (a sound device opened after the keys were made): the choice is
    // applied to it at once.
    void setVolume(sound::MasterVolume* volume);

    // True when the key was one of the volume keys. With Ctrl or Alt held the key belongs to someone else.
    bool key(const ui::KeyEvent& e);

    int percent() const { return percent_; }
    bool muted() const { return muted_; }
    // What the player is shown after a key: "音量 70%" or "ミュート".
    std::string note() const;

  private:
    void change(int percent, bool muted);

    base::Settings& settings_;
    sound::MasterVolume* volume_;
    int percent_;  // 0..100
    bool muted_;
};

}  // namespace app
