// The real sound device through SDL2, opened while sound plays, and how a lost device is survived.
#include "ui/sdl/SdlAudioOutput.h"

#include <sched.h>
#include <unistd.h>

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

int SdlAudioOutput::open(int device, const sound::WaveFormat& format, std::function<void()> blockDone) {
    deviceNumber_ = device;
    return DeviceMixOutput::open(device, format, std::move(blockDone));
}

SDL_AudioDeviceID SdlAudioOutput::openDevice() {
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(format().samplesPerSec);
    want.format = AUDIO_U8;
    want.channels = static_cast<Uint8>(format().channels);
    want.samples = kDeviceFrames;
    want.callback = &SdlAudioOutput::fillFromSdl;
    want.userdata = this;
    // SDL opens a device paused: its thread does not call the callback before it is started.
    return SDL_OpenAudioDevice(deviceName(deviceNumber_), 0, &want, nullptr, 0);
}

void SdlAudioOutput::startDevice() {
    if (lost_) {
        if (SDL_GetTicks() - lastTry_ >= kRetryMs) tryAgain();
        if (lost_) drainWhileLost();
        return;
    }
    device_ = audioStarted_ ? openDevice() : 0;
    if (device_ == 0) {
        lose();
        return;
    }
    started();
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioOutput::started() {
    realtimeAsked_ = false;
    seenFills_ = fills_.load(std::memory_order_relaxed);
    seenAt_ = SDL_GetTicks();
    care_.setPlaying(true);
}

void SdlAudioOutput::stopDevice() {
    care_.setPlaying(false);
    drain_.reset();
    if (device_ != 0) SDL_CloseAudioDevice(device_);  // waits for a running callback to end
    device_ = 0;
}

void SdlAudioOutput::watch() {
    if (const Sint64 tid = refusedTid_.exchange(0, std::memory_order_acq_rel); tid != 0)
        care_.askRealtime(tid);
    if (device_ != 0 && (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED || stalled())) lose();
    if (lost_ && mixing() && SDL_GetTicks() - lastTry_ >= kRetryMs) tryAgain();
}

bool SdlAudioOutput::stalled() {
    const std::uint32_t fills = fills_.load(std::memory_order_relaxed);
    const Uint32 now = SDL_GetTicks();
    if (fills != seenFills_) {
        seenFills_ = fills;
        seenAt_ = now;
        return false;
    }
    return mixing() && now - seenAt_ >= kStallMs;
}

void SdlAudioOutput::lose() {
    // SDL's connection to the sound server is gone with the device: audio starts afresh when it comes back.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
    lost_ = true;
    lastTry_ = SDL_GetTicks();
    if (mixing()) drainWhileLost();
}

void SdlAudioOutput::drainWhileLost() {
    if (!drain_) drain_.emplace(feed(), format().avgBytesPerSec);
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
    lost_ = false;
    drain_.reset();  // the stand-in lets go of the feed before the device takes it
    device_ = device;
    started();  // only tried while the device is to play
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioOutput::fillFromSdl(void* self, Uint8* stream, int len) {
    auto* out = static_cast<SdlAudioOutput*>(self);
    out->fills_.fetch_add(1, std::memory_order_relaxed);
    if (!out->realtimeAsked_) out->askForRealtime();
    out->fill(stream, static_cast<std::size_t>(len));
}

void SdlAudioOutput::askForRealtime() noexcept {
    // A process that may set real-time scheduling itself (the limit RLIMIT_RTPRIO or the capability) gets it
    // here at once, at the lowest real-time level, below a sound server's own threads and above every
    // ordinary process: one system call. Otherwise the helper thread asks RealtimeKit for this thread (a
    // D-Bus call, which this thread must not wait for).
    realtimeAsked_ = true;
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    if (sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0) return;
    refusedTid_.store(gettid(), std::memory_order_release);
    bell_.ring();
}

}  // namespace ui
