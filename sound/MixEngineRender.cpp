// The session engine's playing side: queuing plays, rendering blocks, the two remixes and the device service.
#include <algorithm>
#include <limits>

#include "sound/BlockMixer.h"
#include "sound/MixEngine.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

namespace sound {
namespace {

constexpr std::uint64_t kNoStart = std::numeric_limits<std::uint64_t>::max();

// The first position no longer sounding: every repetition plays the whole wave.
std::uint32_t endOf(std::uint32_t start, std::uint32_t length, std::uint16_t loops) {
    if (loops == kLoopForever || start == kEndlessPosition) return kEndlessPosition;
    const std::uint64_t end = std::uint64_t{start} + (std::uint64_t{loops} + 1) * length;
    return end >= kEndlessPosition ? kEndlessPosition : static_cast<std::uint32_t>(end);
}

std::uint64_t earliestStart(const std::array<PlayEntry*, kMixChannels>& set, int count) {
    std::uint64_t next = kNoStart;
    for (int i = 0; i < count; ++i) next = std::min<std::uint64_t>(next, set[i]->start);
    return next;
}

}  // namespace

int MixEngine::chooseLruChannel(const MixSession& s) const {
    // The first open channel with an empty queue is taken; otherwise the one whose last play is oldest.
    int candidate = 0;
    for (int c = 0; c < kMixChannels; ++c) {
        if (!s.isOpen(c)) continue;
        if (s.isOpen(candidate) && s.queues[candidate] == nullptr) break;
        if (s.lastUse[c] < s.lastUse[candidate]) candidate = c;
    }
    return candidate;
}

bool MixEngine::soundingAcross(const MixSession& s, std::uint32_t position) const {
    for (int c = 0; c < kMixChannels; ++c) {
        if (!s.isOpen(c)) continue;
        const PlayEntry* e = s.queues[c];
        while (e != nullptr && e->end <= position) e = e->next;
        if (e != nullptr && e->start < position) return true;
    }
    return false;
}

void MixEngine::PlayMixWave(PlayParams* params) {
    if (params == nullptr) throw EMixerError(msg::kNilParams);
    MixSession& s = checked(params->session);
    if (params->wave == nullptr || !isLoaded(params->wave)) throw EMixerError(msg::kNilWave);
    if (!s.active) throw EMixerError(msg::kNotActive);
    if (s.openChannels == 0) throw EMixerError(msg::kNoChannelOpen);
    freeRetiredWaves();
    if (deviceMixes()) {
        postPlay(s, *params);
        wakeDevice();  // the device's health is looked at with each sound
        return;
    }
    params->wave->plays.fetch_add(1, std::memory_order_acq_rel);
    if (const char* error = enterPlay(s, *params)) {
        params->wave->plays.fetch_sub(1, std::memory_order_acq_rel);
        throw EMixerError(error);
    }
    wakeDevice();
}

const char* MixEngine::enterPlay(MixSession& s, PlayParams& params) {
    if ((params.flags & PlayUseLruChannel) != 0) params.channel = chooseLruChannel(s);
    const int channel = params.channel;
    // A channel number outside the eight is no open channel; nothing outside them is touched.
    if (channel < 0 || channel >= kMixChannels) return msg::kChannelNotOpen;
    s.lastUse[channel] = ++s.playCounter;
    if (!s.isOpen(channel)) return msg::kChannelNotOpen;
    PlayEntry* entry = takeEntry();
    if (entry == nullptr) return msg::kPoolEmpty;

    entry->params = params;
    entry->wave = params.wave;
    entry->length = params.wave->length();
    entry->data = params.wave->data.data();
    if (s.waitingTail != nullptr)
        s.waitingTail->next = entry;
    else
        s.waitingHead = entry;
    s.waitingTail = entry;
    if ((params.flags & PlayWait) == 0) placeWaiting(s);
    return nullptr;
}

void MixEngine::postPlay(MixSession& s, PlayParams& params) {
    // What the mixing thread would refuse at once is refused here too; the channel it chooses stays unknown.
    const int channel = params.channel;
    const bool chosen = (params.flags & PlayUseLruChannel) != 0;
    const bool open = chosen || (channel >= 0 && channel < kMixChannels && s.isOpen(channel));
    params.wave->plays.fetch_add(1, std::memory_order_acq_rel);
    const MixRequest request{MixRequest::Kind::Play, params};
    if (!lane_->post(request)) {
        params.wave->plays.fetch_sub(1, std::memory_order_acq_rel);
        throw EMixerError(msg::kPoolEmpty);
    }
    if (!open) throw EMixerError(msg::kChannelNotOpen);
}

void MixEngine::postRequest(MixRequest::Kind kind, const PlayParams& params) {
    if (!lane_->post(MixRequest{kind, params})) throw EMixerError(msg::kPoolEmpty);
}

void MixEngine::apply(const MixRequest& request) noexcept {
    MixSession* s = owner_ != nullptr && owner_->active ? owner_ : nullptr;
    PlayParams params = request.params;
    try {
        switch (request.kind) {
            case MixRequest::Kind::Play:
                if (s == nullptr || enterPlay(*s, params) != nullptr)
                    params.wave->plays.fetch_sub(1, std::memory_order_acq_rel);
                break;
            case MixRequest::Kind::Flush:
                if (s != nullptr) flush(*s, params.channel, params.flags);
                break;
            case MixRequest::Kind::DropWave:
                if (s != nullptr) dropPlaysOf(*s, params.wave);
                break;
        }
    } catch (const EMixerError&) {
        // Nobody to tell on the mixing thread: what failed is not heard.
    }
}

void MixEngine::placeWaiting(MixSession& s) {
    // Idle reset: with nothing at the device and nothing queued, positions start again from 0.
    bool idle = deviceHead_ == nullptr;
    for (int c = 0; c < kMixChannels && idle; ++c) idle = !s.isOpen(c) || s.queues[c] == nullptr;
    if (idle) setPosition(s, 0);

    const std::uint32_t heard = currentPosition(s);
    bool remixNeeded = false;
    PlayEntry* placed = nullptr;
    while (s.waitingHead != nullptr) {
        PlayEntry* e = s.waitingHead;
        s.waitingHead = e->next;
        if (s.waitingHead == nullptr) s.waitingTail = nullptr;
        e->next = nullptr;
        const int c = e->params.channel;
        if (!s.isOpen(c)) {
            // Closed while the play was waiting.
            giveBack(e);
            continue;
        }
        const bool high = (e->params.flags & PlayHighPriority) != 0;
        if ((e->params.flags & PlayClearQueue) != 0) {
            dropChannel(s, c);
            s.queues[c] = e;
            e->start = high ? heard : s.mixPosition;
            if (deviceHead_ != nullptr) remixNeeded = true;
        } else if (s.queues[c] != nullptr) {
            PlayEntry* last = s.queues[c];
            while (last->next != nullptr) last = last->next;
            last->next = e;
            e->start = high ? last->end : std::max(last->end, s.mixPosition);
            if (e->start < s.mixPosition) remixNeeded = true;
        } else {
            s.queues[c] = e;
            e->start = high ? heard : s.mixPosition;
            if (e->start < s.mixPosition) remixNeeded = true;
        }
        e->end = endOf(e->start, e->length, e->params.loops);
        placed = e;
    }
    if (remixNeeded && placed != nullptr) {
        remix(s, placed, placed->start);
    } else if (deviceHead_ == nullptr) {
        output_.pause();
        while (renderAndSubmit(s)) {
        }
        output_.restart();
    }
}

MixBlock* MixEngine::renderBlock(MixSession& s) {
    if (!blocks_) return nullptr;
    MixBlock* block = nullptr;
    for (int i = 0; i < s.blockCount && block == nullptr; ++i)
        if ((*blocks_)[i].free) block = &(*blocks_)[i];
    if (block == nullptr) return nullptr;
    block->free = false;
    block->header.bufferLength = static_cast<std::uint32_t>(s.blockLength);

    // The entry of each channel that sounds at or after the mix position.
    std::array<PlayEntry*, kMixChannels> sounding{};
    int count = 0;
    for (int c = 0; c < kMixChannels; ++c) {
        if (!s.isOpen(c)) continue;
        PlayEntry* e = s.queues[c];
        while (e != nullptr && e->end <= s.mixPosition) e = e->next;
        if (e != nullptr) sounding[count++] = e;
    }
    if (count == 0) {
        block->free = true;
        return nullptr;
    }
    fillBlock(s, block->data.data(), sounding, count);
    // After the sum, so that mixing stays a plain byte-wise sum with clipping.
    volume_.apply(block->data.data(), static_cast<std::size_t>(s.blockLength));
    block->start = s.mixPosition;
    s.mixPosition += static_cast<std::uint32_t>(s.blockLength);
    return block;
}

void MixEngine::fillBlock(MixSession& s, std::uint8_t* out, std::array<PlayEntry*, kMixChannels>& sounding,
                          int count) {
    const std::uint64_t blockStart = s.mixPosition;
    const std::uint64_t blockEnd = blockStart + static_cast<std::uint64_t>(s.blockLength);
    std::uint64_t p = blockStart;
    std::uint64_t nextStart = earliestStart(sounding, count);
    std::array<const std::uint8_t*, kMixChannels> sources{};
    while (p < blockEnd) {
        if (p < nextStart) {
            const std::uint64_t stop = std::min(nextStart, blockEnd);
            mixStretch(out + (p - blockStart), nullptr, 0, static_cast<std::size_t>(stop - p));
            p = stop;
            continue;
        }
        // One stretch: every started entry is contiguous up to its end, its repetition's end or another's
        // start.
        std::uint64_t stretchEnd = blockEnd;
        int contributors = 0;
        for (int i = 0; i < count; ++i) {
            const PlayEntry* e = sounding[i];
            if (e->start > p) {
                stretchEnd = std::min<std::uint64_t>(stretchEnd, e->start);
                continue;
            }
            std::uint64_t offset = p - e->start;
            if (e->params.loops != 0) {
                offset %= e->length;
                stretchEnd = std::min(stretchEnd, p + (e->length - offset));
            }
            stretchEnd = std::min<std::uint64_t>(stretchEnd, e->end);
            sources[contributors++] = e->data + offset;
        }
        mixStretch(out + (p - blockStart), sources.data(), contributors,
                   static_cast<std::size_t>(stretchEnd - p));
        p = stretchEnd;
        // Entries that have ended give way to the next entry of their channel.
        for (int i = 0; i < count;) {
            PlayEntry* e = sounding[i];
            while (e != nullptr && e->end <= p) e = e->next;
            if (e != nullptr) {
                sounding[i++] = e;
            } else {
                sounding[i] = sounding[--count];
            }
        }
        nextStart = earliestStart(sounding, count);
    }
}

bool MixEngine::renderAndSubmit(MixSession& s) {
    MixBlock* block = renderBlock(s);
    if (block == nullptr) return false;
    appendToDeviceQueue(block);
    submit(block);
    return true;
}

void MixEngine::remix(MixSession& s, PlayEntry* entry, std::uint32_t start) {
    if (s.remix == RemixMode::Shift) {
        // Move the new play to the end of what is rendered and let the service pick it up.
        if (entry != nullptr) {
            const std::uint32_t shift = s.mixPosition - entry->start;
            entry->start += shift;
            if (entry->end != kEndlessPosition) {
                const std::uint64_t end = std::uint64_t{entry->end} + shift;
                entry->end = end >= kEndlessPosition ? kEndlessPosition : static_cast<std::uint32_t>(end);
            }
        }
        ServiceMixDevice();
        return;
    }
    // Render again from start and hand the device the new blocks in place of the old.
    s.mixPosition = start;
    releaseDeviceQueue();
    while (MixBlock* block = renderBlock(s)) appendToDeviceQueue(block);
    const std::uint32_t rendered = s.mixPosition;
    stopKeepingPosition(s);
    s.mixPosition = rendered;
    output_.pause();
    for (MixBlock* b = deviceHead_; b != nullptr;) {
        MixBlock* next = b->next;
        submit(b);
        b = next;
    }
    output_.restart();
}

void MixEngine::ServiceMixDevice() {
    if (owner_ == nullptr) return;
    if (current_ != owner_) current_ = owner_;
    MixSession& s = *owner_;
    if (!s.active) return;

    // 1. Blocks the device is done with become free.
    for (MixBlock* b = deviceHead_; b != nullptr;) {
        MixBlock* next = b->next;
        if ((b->header.flags & kHeaderDone) != 0) {
            unlinkFromDeviceQueue(b);
            b->free = true;
        }
        b = next;
    }
    // The output has played every block it had: a sound running on across that point was heard with a gap.
    if (deviceHead_ == nullptr && soundingAcross(s, s.mixPosition))
        underruns_.fetch_add(1, std::memory_order_relaxed);
    // 2. Plays heard to their end leave their queues.
    const std::uint32_t heard = deviceCounter(s);
    int notices = 0;
    for (int c = 0; c < kMixChannels; ++c) {
        if (!s.isOpen(c)) continue;
        while (s.queues[c] != nullptr && s.queues[c]->end <= heard) {
            PlayEntry* e = s.queues[c];
            s.queues[c] = e->next;
            if (e->params.notify != nullptr && notices < kPlayEntryPool)
                notices_[notices++] = PlayEnd{e->params.notify, c, e->wave};
            giveBack(e);
        }
    }
    // 3. Keep the device fed.
    while (renderAndSubmit(s)) {
    }
    for (int i = 0; i < notices; ++i) {
        if (lane_ != nullptr)
            lane_->end(notices_[i]);
        else
            notices_[i].target->mixWaveDone(notices_[i].channel, notices_[i].wave);
    }
}

}  // namespace sound
