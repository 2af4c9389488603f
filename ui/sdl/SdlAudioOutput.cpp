// The real sound device through SDL2 (PulseAudio, PipeWire or ALSA underneath); SDL's thread only copies bytes out.
#include "ui/sdl/SdlAudioOutput.h"

#include <cstring>

namespace ui {
namespace {

constexpr const char* kDefaultName = "SDL Default Output";
constexpr std::size_t kNameBytes = 31;
constexpr int kProbeRate = 44100;  // samples per second of the device probe
constexpr std::uint8_t kSilence = 128;

// SDL reports the device by index; kDefaultDevice (or any index it does not know) is the system's default.
const char* deviceName(int device) {
    const int count = SDL_GetNumAudioDevices(0);
    return device >= 0 && device < count ? SDL_GetAudioDeviceName(device, 0) : nullptr;
}

}  // namespace

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::create(sound::PostFn post) {
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
    return std::unique_ptr<SdlAudioOutput>(new SdlAudioOutput(std::move(post)));
}

SdlAudioOutput::~SdlAudioOutput() {
    close();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlAudioOutput::deviceCount() const {
    // PulseAudio may not list its devices (-1): the default device is there all the same.
    const int count = SDL_GetNumAudioDevices(0);
    return count > 0 ? count : 1;
}

bool SdlAudioOutput::capabilities(int device, sound::AudioCaps& caps) const {
    const char* name = deviceName(device);
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

int SdlAudioOutput::open(int device, const sound::WaveFormat& format, std::function<void()> blockDone) {
    close();
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(format.samplesPerSec);
    want.format = AUDIO_U8;
    want.channels = static_cast<Uint8>(format.channels);
    want.samples = kDeviceFrames;
    want.callback = &SdlAudioOutput::fill;
    want.userdata = this;
    blocks_.queue().reset();
    blocks_.setBlockDone(std::move(blockDone));
    device_ = SDL_OpenAudioDevice(deviceName(device), 0, &want, nullptr, 0);
    if (device_ == 0) {
        blocks_.setBlockDone(nullptr);
        return kErrorOpen;
    }
    SDL_PauseAudioDevice(device_, 0);
    return 0;
}

int SdlAudioOutput::write(sound::WaveHeader& header) { return blocks_.queue().push(header); }

void SdlAudioOutput::reset() { blocks_.queue().reset(); }

void SdlAudioOutput::pause() {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
}

void SdlAudioOutput::restart() {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioOutput::close() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);  // waits for a running callback to end
    device_ = 0;
    blocks_.queue().reset();
    blocks_.setBlockDone(nullptr);
}

void SdlAudioOutput::fill(void* self, Uint8* stream, int len) {
    auto& out = *static_cast<SdlAudioOutput*>(self);
    const std::size_t n = static_cast<std::size_t>(len);
    const std::size_t got = out.blocks_.queue().consume(stream, n);
    if (got < n) std::memset(stream + got, kSilence, n - got);
    // The mixer is told on the UI thread, never from here.
    if (out.blocks_.queue().hasFinished()) out.blocks_.postFinished(out.post_);
}

}  // namespace ui
