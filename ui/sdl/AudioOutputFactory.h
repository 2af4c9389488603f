// Picks the game's audio output: a WAV file when ZORBAN_WAV_OUT names one, else the sound device, else
// silence.
#pragma once

#include <memory>

#include "base/Doorbell.h"
#include "sound/AudioOutput.h"

namespace ui {

inline constexpr const char* kWavOutVariable = "ZORBAN_WAV_OUT";

// The output rings bell from its own thread when blocks have been played; the UI thread answers it.
std::unique_ptr<sound::AudioOutput> makeAudioOutput(base::Doorbell& bell);

}  // namespace ui
