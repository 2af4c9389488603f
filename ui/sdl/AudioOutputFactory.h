// Picks the game's audio output: a WAV file when ZORBAN_WAV_OUT names one, else the sound device, else silence.
#pragma once

#include <memory>

#include "sound/AudioOutput.h"

namespace ui {

inline constexpr const char* kWavOutVariable = "ZORBAN_WAV_OUT";

// postToUi runs a function on the UI thread and may be called from any thread (the output's notices use it).
std::unique_ptr<sound::AudioOutput> makeAudioOutput(sound::PostFn postToUi);

}  // namespace ui
