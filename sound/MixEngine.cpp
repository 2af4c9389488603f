// The session engine: sessions, activation of the output, channels and positions.
#include "sound/MixEngine.h"

#include <algorithm>
#include <new>

#include "base/IniFile.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

namespace sound {
namespace {

constexpr std::int32_t kMinBlockLength = 512;  // bytes
constexpr std::int32_t kMaxBlockLength = static_cast<std::int32_t>(kBlockDataBytes);
constexpr std::int32_t kBaseBlockLength = 2048;  // bytes per block at 11,025 samples per second
constexpr std::int32_t kMinBlocks = 2;
constexpr std::size_t kDeviceNameBytes = 31;  // the original device record holds 32 bytes with the terminator
constexpr std::uint32_t kRate11 = 11025, kRate22 = 22050, kRate44 = 44100;  // samples per second
constexpr const char* kUnknownDevice = "Unknown Device";

std::uint32_t rateOfCode(std::int32_t code) {
    if (code == 22) return kRate22;
    if (code == 44) return kRate44;
    return kRate11;
}

}  // namespace

MixEngine::MixEngine(AudioOutput& output, std::string iniPath)
    : output_(output), iniPath_(std::move(iniPath)) {
    // Link the entry pool.
    for (int i = kPlayEntryPool - 1; i >= 0; --i) {
        pool_[i].next = freeEntries_;
        freeEntries_ = &pool_[i];
    }
}

MixEngine::~MixEngine() {
    if (session_) {
        try {
            EndMixSession(session_.get());
        } catch (const EMixerError&) {
            // Nothing can be reported from here; the output is closed below in any case.
        }
    }
}

MixSession& MixEngine::checked(MixSession* session) {
    if (session == nullptr || session != session_.get() || session->tag1 != kSessionTag ||
        session->tag2 != kSessionTag)
        throw EMixerError(msg::kInvalidSession);
    // Written only when it changes: the device's thread reads it meanwhile.
    if (current_ != session) current_ = session;
    return *session;
}

PlayEntry* MixEngine::takeEntry() {
    PlayEntry* e = freeEntries_;
    if (e != nullptr) {
        freeEntries_ = e->next;
        *e = PlayEntry{};
    }
    return e;
}

void MixEngine::giveBack(PlayEntry* entry) {
    if (entry->wave != nullptr) entry->wave->plays.fetch_sub(1, std::memory_order_acq_rel);
    entry->wave = nullptr;
    entry->data = nullptr;
    entry->next = freeEntries_;
    freeEntries_ = entry;
}

int MixEngine::freeEntries() const {
    int n = 0;
    for (const PlayEntry* e = freeEntries_; e != nullptr; e = e->next) ++n;
    return n;
}

int MixEngine::blocksAtDevice() const {
    int n = 0;
    for (const MixBlock* b = deviceHead_; b != nullptr; b = b->next) ++n;
    return n;
}

MixSession* MixEngine::InitMixSession(const MixInitConfig* config) {
    if (session_) throw EMixerError(msg::kSessionExists);
    if (config != nullptr && config->size != kMixInitConfigSize) config = nullptr;
    const int devices = output_.deviceCount();
    if (devices <= 0) throw EMixerError(msg::kNoDevices);

    std::unique_ptr<MixSession> made;
    try {
        made = std::make_unique<MixSession>();
    } catch (const std::bad_alloc&) {
        throw EMixerError(msg::kNoMemory);
    }
    MixSession& s = *made;
    s.closed.fill(true);
    s.format = WaveFormat::pcm8(kRate11, 1);

    const base::IniFile ini = base::IniFile::load(iniPath_);
    const std::int32_t remix = ini.getInt("default", "Remix", 1);
    const std::int32_t goodWavePos = ini.getInt("default", "GoodWavePos", 0);
    const std::int32_t waveBlocks = ini.getInt("default", "WaveBlocks", 3);
    const std::int32_t waveBlockLen = ini.getInt("default", "WaveBlockLen", 0) & ~3;
    const std::int32_t samplesPerSec = ini.getInt("default", "SamplesPerSec", 11);

    // A number past the devices there are (or below 0) picks the default device.
    s.deviceNumber = ini.getInt("general", "WaveOutDevice", 0);
    if (s.deviceNumber >= devices || s.deviceNumber < 0) s.deviceNumber = kDefaultDevice;
    AudioCaps caps;
    if (!output_.capabilities(s.deviceNumber, caps)) caps = AudioCaps{kUnknownDevice, 1, false};
    s.deviceName = caps.name.substr(0, kDeviceNameBytes);

    if (caps.synchronous)
        throw EMixerError(s.deviceName + msg::kSynchronous1 + msg::kSynchronous2 + msg::kSynchronous3);
    if (ini.getInt("not compatible", s.deviceName, 0) != 0)
        throw EMixerError(s.deviceName + msg::kNotCompatible1 + msg::kNotCompatible2);

    // The device's own section overrides the defaults.
    const std::string& section = s.deviceName;
    s.remix = ini.getInt(section, "Remix", remix) == 2 ? RemixMode::Shift : RemixMode::Rerender;
    s.goodWavePos = static_cast<std::uint8_t>(ini.getInt(section, "GoodWavePos", goodWavePos));
    s.blockCount = std::clamp(ini.getInt(section, "WaveBlocks", waveBlocks), kMinBlocks, kBlockRingSize);

    std::uint16_t channels = 1;
    if (config != nullptr && (config->flags & kConfigChannels) != 0 && config->channels > 1 &&
        caps.channels > 1)
        channels = 2;
    std::int32_t rateCode = ini.getInt(section, "SamplesPerSec", samplesPerSec);
    if (config != nullptr && (config->flags & kConfigRate) != 0 &&
        (config->rateCode == 11 || config->rateCode == 22 || config->rateCode == 44))
        rateCode = config->rateCode;
    s.format = WaveFormat::pcm8(rateOfCode(rateCode), channels);

    const std::int32_t deviceBlockLen = ini.getInt(section, "WaveBlockLen", 0);
    if (deviceBlockLen != 0)
        s.blockLength = std::clamp(deviceBlockLen, kMinBlockLength, kMaxBlockLength);
    else if (waveBlockLen != 0)
        s.blockLength = std::clamp(waveBlockLen, kMinBlockLength, kMaxBlockLength);
    else
        s.blockLength = std::min<std::int32_t>(
            kBaseBlockLength * static_cast<std::int32_t>(s.format.samplesPerSec / kRate11), kMaxBlockLength);
    // Whole frames only, so that a stereo play never starts on a right-hand sample.
    s.blockLength -= s.blockLength % s.format.blockAlign;

    session_ = std::move(made);
    current_ = session_.get();
    return current_;
}

void MixEngine::EndMixSession(MixSession* session) {
    MixSession& s = checked(session);
    own();
    ActivateMixSession(&s, false);
    CloseMixChannel(&s, 0, kMixAllChannels);
    dropWaiting(s);
    s.tag1 = s.tag2 = 0;
    session_.reset();
    current_ = nullptr;
}

void MixEngine::ActivateMixSession(MixSession* session, bool on) {
    MixSession& s = checked(session);
    if (on) {
        if (owner_ != nullptr && owner_ != &s) throw EMixerError(msg::kAlreadyAllocated);
        if (owner_ == &s && s.active) return;
        owner_ = &s;
        if (!s.deviceOpen) {
            try {
                openDevice(s);
            } catch (...) {
                owner_ = nullptr;
                throw;
            }
        }
        s.active = true;
        setPosition(s, s.mixPosition);
        while (renderAndSubmit(s)) {
        }
        wakeDevice();
        return;
    }
    own();
    if (s.active) {
        s.mixPosition = currentPosition(s);
        stopKeepingPosition(s);
        releaseDeviceQueue();
        closeDevice(s);
    }
    s.active = false;
    if (owner_ == &s) owner_ = nullptr;
}

void MixEngine::openDevice(MixSession& s) {
    const int error = output_.open(s.deviceNumber, s.format, [this] { onBlockDone(); });
    if (error != 0) throw EMixerError(msg::kOpenDevice + std::to_string(error));
    try {
        blocks_ = std::make_unique<std::array<MixBlock, kBlockRingSize>>();
    } catch (const std::bad_alloc&) {
        output_.close();
        throw EMixerError(msg::kNoMemory);
    }
    lane_ = output_.lane();
    if (lane_ != nullptr) lane_->bind(this);
    for (int i = 0; i < kBlockRingSize; ++i) {
        MixBlock& b = (*blocks_)[i];
        b.header.data = b.data.data();
        b.header.bufferLength = static_cast<std::uint32_t>(s.blockLength);
        b.free = true;
        b.session = &s;
        if (const int prepError = output_.prepare(b.header); prepError != 0) {
            for (int j = 0; j < i; ++j) output_.unprepare((*blocks_)[j].header);
            blocks_.reset();
            output_.close();
            if (lane_ != nullptr) lane_->bind(nullptr);
            lane_ = nullptr;
            throw EMixerError(msg::kPrepareHeader + std::to_string(prepError));
        }
        b.header.flags |= kHeaderDone;
    }
    s.deviceOpen = true;
}

void MixEngine::closeDevice(MixSession& s) {
    if (!s.deviceOpen) return;
    for (MixBlock& b : *blocks_) output_.unprepare(b.header);
    output_.close();
    if (lane_ != nullptr) lane_->bind(nullptr);
    lane_ = nullptr;
    blocks_.reset();
    s.deviceOpen = false;
}

void MixEngine::own() {
    if (lane_ == nullptr) return;
    output_.takeBack();
    lane_->serve();
    freeRetiredWaves();
}

void MixEngine::wakeDevice() {
    if (lane_ != nullptr) output_.wake();
}

void MixEngine::onBlockDone() {
    // A notice from the output runs on the UI thread (or the mixing thread) with nobody to report to: a sound
    // that fails is not heard.
    try {
        ServiceMixDevice();
    } catch (const EMixerError&) {
    }
}

void MixEngine::OpenMixChannel(MixSession* session, int channel, int mode) {
    MixSession& s = checked(session);
    if (mode >= 3) throw EMixerError(msg::kInvalidFlags);
    if (mode < 0) throw EMixerError(msg::kInvalidFlag);
    int first = 0, last = kMixChannels;  // channels [first, last) to open
    if (mode == kOpenOne) {
        if (channel >= kMixChannels || channel < 0) throw EMixerError(msg::kInvalidChannel);
        if (s.isOpen(channel)) throw EMixerError(msg::kChannelAlreadyOpen);
        first = channel;
        last = channel + 1;
    } else if (mode == kOpenCount) {
        if (channel > kMixChannels || channel < 1) throw EMixerError(msg::kInvalidChannelCount);
        last = channel;
    }
    own();
    for (int c = first; c < last; ++c) {
        if (s.isOpen(c)) continue;
        s.closed[c] = false;
        s.queues[c] = nullptr;
        ++s.openChannels;
    }
    wakeDevice();
}

void MixEngine::checkFlush(const MixSession& s, int channel, std::uint32_t flags) {
    if ((flags & kMixAllChannels) != 0) return;
    if (channel < 0 || channel >= kMixChannels) throw EMixerError(msg::kInvalidChannel);
    if (!s.isOpen(channel)) throw EMixerError(msg::kChannelNotOpen);
}

void MixEngine::FlushMixChannel(MixSession* session, int channel, std::uint32_t flags) {
    MixSession& s = checked(session);
    checkFlush(s, channel, flags);
    if (deviceMixes()) {
        PlayParams params;
        params.channel = channel;
        params.flags = flags;
        postRequest(MixRequest::Kind::Flush, params);
        return;
    }
    flush(s, channel, flags);
    wakeDevice();
}

void MixEngine::flush(MixSession& s, int channel, std::uint32_t flags) {
    bool dropped = false;
    if ((flags & kMixAllChannels) != 0) {
        for (int c = 0; c < kMixChannels; ++c)
            if (s.isOpen(c)) dropped = dropChannel(s, c) || dropped;
    } else if (s.isOpen(channel)) {
        dropped = dropChannel(s, channel);
    }
    if (dropped && (flags & kMixNoRemix) == 0 && s.active) remix(s, nullptr, currentPosition(s));
}

void MixEngine::CloseMixChannel(MixSession* session, int channel, std::uint32_t flags) {
    MixSession& s = checked(session);
    checkFlush(s, channel, flags);
    own();
    flush(s, channel, flags | kMixNoRemix);
    for (int c = 0; c < kMixChannels; ++c) {
        const bool affected = (flags & kMixAllChannels) != 0 || c == channel;
        if (affected && s.isOpen(c)) {
            s.closed[c] = true;
            --s.openChannels;
        }
    }
    wakeDevice();
}

bool MixEngine::dropChannel(MixSession& s, int channel) {
    PlayEntry* e = s.queues[channel];
    s.queues[channel] = nullptr;
    const bool any = e != nullptr;
    while (e != nullptr) {
        PlayEntry* next = e->next;
        giveBack(e);
        e = next;
    }
    return any;
}

void MixEngine::dropWaiting(MixSession& s) {
    while (s.waitingHead != nullptr) {
        PlayEntry* next = s.waitingHead->next;
        giveBack(s.waitingHead);
        s.waitingHead = next;
    }
    s.waitingTail = nullptr;
}

std::uint32_t MixEngine::deviceCounter(const MixSession& s) const {
    const std::uint32_t d = s.deviceOpen ? output_.positionBytes() : 0;
    return s.offsetSubtracts ? d - s.positionOffset : d + s.positionOffset;
}

std::uint32_t MixEngine::currentPosition(const MixSession& s) const {
    if (s.goodWavePos == 1) return deviceCounter(s);
    const std::uint32_t elapsed = output_.clockMs() - s.timeBase;  // ms; wraps with the clock
    auto p = static_cast<std::uint32_t>(std::uint64_t{elapsed} * s.format.avgBytesPerSec / 1000);
    if ((p & 1u) != 0 && s.format.blockAlign > 1) --p;
    return p;
}

void MixEngine::setPosition(MixSession& s, std::uint32_t position) {
    const std::uint32_t d = s.deviceOpen ? output_.positionBytes() : 0;
    s.offsetSubtracts = position < d;
    s.positionOffset = s.offsetSubtracts ? d - position : position - d;
    s.timeBase = output_.clockMs() -
                 static_cast<std::uint32_t>(std::uint64_t{position} * 1000 / s.format.avgBytesPerSec);
    s.mixPosition = position;
}

void MixEngine::stopKeepingPosition(MixSession& s) {
    const std::uint32_t now = currentPosition(s);
    output_.reset();
    setPosition(s, now);
}

void MixEngine::releaseDeviceQueue() {
    for (MixBlock* b = deviceHead_; b != nullptr;) {
        MixBlock* next = b->next;
        b->free = true;
        b->next = nullptr;
        b = next;
    }
    deviceHead_ = deviceTail_ = nullptr;
}

void MixEngine::appendToDeviceQueue(MixBlock* block) {
    block->next = nullptr;
    if (deviceTail_ != nullptr)
        deviceTail_->next = block;
    else
        deviceHead_ = block;
    deviceTail_ = block;
}

void MixEngine::unlinkFromDeviceQueue(MixBlock* block) {
    MixBlock* prev = nullptr;
    for (MixBlock* b = deviceHead_; b != nullptr; prev = b, b = b->next) {
        if (b != block) continue;
        (prev != nullptr ? prev->next : deviceHead_) = b->next;
        if (deviceTail_ == b) deviceTail_ = prev;
        b->next = nullptr;
        return;
    }
}

void MixEngine::submit(MixBlock* block) {
    if (output_.write(block->header) != 0) {
        block->free = true;
        unlinkFromDeviceQueue(block);
        throw EMixerError(msg::kWriteBlock);
    }
}

}  // namespace sound
