// The real sound device through SDL2, and how a lost device is survived.
#include "ui/sdl/SdlAudioOutput.h"

#include <cstring>

namespace ui {
namespace {

constexpr const char* kDefaultName = "SDL Default Output";
constexpr std::size_t kNameBytes = 31;
constexpr int kProbeRate = 44100;  // samples per second of the device probe

// SDL reports the device by index; kDefaultDevice (or any index it does not know) is the system's default.
const char* deviceName(int device) {
    const int count = SDL_GetNumAudioDevices(0);
    return device >= 0 && device < count ? SDL_GetAudioDeviceName(device, 0) : nullptr;
}

}  // namespace

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::create(base::Doorbell& bell) {
    // SDL would otherwise catch SIGINT and SIGTERM for an event queue nobody reads here, and the program
    // could no longer be ended by them; the window layer handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    SDL_AudioSpec want{};
    want.freq = kProbeRate;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = kDeviceFrames;
    want.callback = nullptr;  // queued mode for the probe: nothing is played
    const SDL_AudioDeviceID probe = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (probe == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_CloseAudioDevice(probe);
    return std::unique_ptr<SdlAudioOutput>(new SdlAudioOutput(bell));
}

SdlAudioOutput::~SdlAudioOutput() {
    close();
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlAudioOutput::deviceCount() const {
    // PulseAudio may not list its devices (-1): the default device is there all the same.
    const int count = audioStarted_ ? SDL_GetNumAudioDevices(0) : 0;
    return count > 0 ? count : 1;
}

bool SdlAudioOutput::capabilities(int device, sound::AudioCaps& caps) const {
    const char* name = audioStarted_ ? deviceName(device) : nullptr;
    caps.name = std::string(name != nullptr ? name : kDefaultName).substr(0, kNameBytes);
    caps.channels = 2;
    caps.synchronous = false;
    return true;
}

bool SdlAudioOutput::supportsFormat(int, const sound::WaveFormat& format) const {
    // SDL converts any PCM rate and channel count the hardware lacks.
    return format.formatTag == sound::kFormatPcm && format.bitsPerSample == 8 && format.channels >= 1 &&
           format.channels <= 2 && format.samplesPerSec > 0;
}

SDL_AudioDeviceID SdlAudioOutput::openDevice() {
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(format_.samplesPerSec);
    want.format = AUDIO_U8;
    want.channels = static_cast<Uint8>(format_.channels);
    want.samples = kDeviceFrames;
    want.callback = &SdlAudioOutput::fill;
    want.userdata = this;
    // SDL opens a device paused: its thread does not call fill() before it is started.
    return SDL_OpenAudioDevice(deviceName(deviceNumber_), 0, &want, nullptr, 0);
}

int SdlAudioOutput::open(int device, const sound::WaveFormat& format, std::function<void()> blockDone) {
    close();
    deviceNumber_ = device;
    format_ = format;
    feed_.queue().reset();
    feed_.setPaused(false);
    feed_.setBlockDone(std::move(blockDone));
    device_ = audioStarted_ ? openDevice() : 0;
    if (device_ == 0) {
        feed_.setBlockDone(nullptr);
        return kErrorOpen;
    }
    open_ = true;
    bell_.setAnswer([this] { answer(); });
    SDL_PauseAudioDevice(device_, 0);
    return 0;
}

int SdlAudioOutput::write(sound::WaveHeader& header) {
    watch();
    return feed_.queue().push(header);
}

void SdlAudioOutput::reset() {
    feed_.queue().reset();
}

// The mixer pauses around filling an idle device; SDL's own pause would wait for its thread, this one never
// does.
void SdlAudioOutput::pause() {
    feed_.setPaused(true);
}

void SdlAudioOutput::restart() {
    feed_.setPaused(false);
}

void SdlAudioOutput::close() {
    if (!open_) return;
    open_ = false;
    bell_.setAnswer(nullptr);
    drain_.reset();
    if (device_ != 0) SDL_CloseAudioDevice(device_);  // waits for a running fill() to end
    device_ = 0;
    feed_.queue().reset();
    feed_.setBlockDone(nullptr);
}

void SdlAudioOutput::answer() {
    feed_.deliver();
    watch();
}

void SdlAudioOutput::watch() {
    if (!open_) return;
    if (device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) lose();
    if (lost() && SDL_GetTicks() - lastTry_ >= kRetryMs) tryAgain();
}

void SdlAudioOutput::lose() {
    // SDL's connection to the sound server is gone with the device: audio starts afresh when it comes back.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
    drain_.emplace(feed_, format_.avgBytesPerSec);
    lastTry_ = SDL_GetTicks();
}

void SdlAudioOutput::tryAgain() {
    lastTry_ = SDL_GetTicks();
    if (!audioStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        audioStarted_ = true;
    }
    const SDL_AudioDeviceID device = openDevice();
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioStarted_ = false;
        return;
    }
    drain_.reset();  // the stand-in lets go of the feed before the device takes it
    device_ = device;
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioOutput::fill(void* self, Uint8* stream, int len) {
    static_cast<SdlAudioOutput*>(self)->feed_.fill(stream, static_cast<std::size_t>(len));
}

}  // namespace ui
