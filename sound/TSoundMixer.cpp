// The mixer component of a game window: creates the session with the window and offers load, release and
// play.
#include "sound/TSoundMixer.h"

#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

namespace sound {

namespace {
constexpr std::uint8_t kAllChannels = 255;
}

TSoundMixer::TSoundMixer(MixEngine& engine) : engine_(engine) {
    MixInitConfig config;  // only its size: the configuration file decides
    config.size = kMixInitConfigSize;
    session_ = engine_.InitMixSession(&config);
    if (session_ == nullptr) throw EMixerError(msg::kInitFailed);
    params_.size = kPlayParamsSize;
    params_.session = session_;
}

TSoundMixer::~TSoundMixer() {
    try {
        SetChannels(0);
        SetActivated(false);
    } catch (const EMixerError&) {
        // Ending the session below closes whatever is left.
    }
    try {
        engine_.EndMixSession(session_);
    } catch (const EMixerError&) {
    }
}

void TSoundMixer::SetActivated(bool value) {
    if (value != activated_) engine_.ActivateMixSession(session_, value);
    activated_ = value;
}

void TSoundMixer::SetChannels(std::uint8_t mask) {
    if (mask == channels_) return;
    if (mask == kAllChannels) {
        engine_.OpenMixChannel(session_, 0, kOpenAll);
    } else if (mask == 0) {
        engine_.CloseMixChannel(session_, 0, kMixAllChannels);
    } else {
        // Written with the changed bits as a mask: gcc 12 -O2 miscompiles the comparison of the two bits as
        // bools.
        const unsigned changed = static_cast<unsigned>(mask ^ channels_);
        for (int c = 0; c < kMixChannels; ++c) {
            if ((changed >> c & 1u) == 0) continue;
            if ((mask >> c & 1u) != 0)
                engine_.OpenMixChannel(session_, c, kOpenOne);
            else
                engine_.CloseMixChannel(session_, c, 0);
        }
    }
    channels_ = mask;
}

MixWave* TSoundMixer::LoadWave(std::string_view fileName) {
    return engine_.LoadMixWave(session_, fileName, nullptr, kWaveFromFile);
}

void TSoundMixer::ReleaseWave(MixWave* wave) {
    engine_.ReleaseMixWave(session_, wave);
}

void TSoundMixer::PlayWave(int channel, MixWave* wave, MixNotifyTarget* notifyControl, std::uint32_t flags,
                           std::uint16_t loops) {
    params_.channel = channel;
    params_.wave = wave;
    params_.notify = notifyControl;
    params_.flags = flags;
    params_.loops = loops;
    engine_.PlayMixWave(&params_);
}

}  // namespace sound
