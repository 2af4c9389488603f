// Picks the game's audio output: a WAV file when ZORBAN_WAV_OUT names one, else the sound device, else
// silence.
#include "ui/sdl/AudioOutputFactory.h"

#include <cstdlib>

#include "sound/ClockedAudioOutput.h"
#include "ui/sdl/SdlAudioOutput.h"

namespace ui {

std::unique_ptr<sound::AudioOutput> makeAudioOutput(base::Doorbell& bell) {
    const char* wavOut = std::getenv(kWavOutVariable);
    if (wavOut != nullptr && *wavOut != '\0') return sound::ClockedAudioOutput::wavFile(bell, wavOut);
    if (auto device = SdlAudioOutput::create(bell)) return device;
    // No sound device: the game runs and plays in silence, with no error to show.
    return sound::ClockedAudioOutput::silent(bell);
}

}  // namespace ui
