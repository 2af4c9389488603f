// The blocks an output holds, handed between the UI thread and the device's thread by atomic slot states.
#include "sound/DeviceQueue.h"

#include <algorithm>
#include <cstring>

namespace sound {

namespace {
constexpr auto kAcquire = std::memory_order_acquire;
constexpr auto kRelease = std::memory_order_release;
constexpr auto kBoth = std::memory_order_acq_rel;
constexpr auto kRelaxed = std::memory_order_relaxed;
}  // namespace

DeviceQueue::DeviceQueue() : slots_(std::make_unique<std::array<Slot, kSlots>>()) {}

void DeviceQueue::markDone(WaveHeader* header) {
    if (header != nullptr) header->flags = (header->flags | kHeaderDone) & ~kHeaderInQueue;
}

bool DeviceQueue::step(Slot& slot, State from, State to) noexcept {
    std::uint64_t tag = slot.tag.load(kAcquire);
    while (Tag::state(tag) == from)
        if (slot.tag.compare_exchange_weak(tag, Tag::of(Tag::order(tag), to), kBoth)) return true;
    return false;
}

int DeviceQueue::push(WaveHeader& header) {
    if (header.bufferLength > kSlotBytes) return kErrorTooLong;
    for (Slot& slot : *slots_) {
        if (stateOf(slot) != Free) continue;
        slot.header = &header;
        slot.length = header.bufferLength;
        slot.taken.store(0, kRelaxed);
        if (header.bufferLength > 0) std::memcpy(slot.bytes.data(), header.data, header.bufferLength);
        header.flags = (header.flags & ~kHeaderDone) | kHeaderInQueue;
        slot.tag.store(Tag::of(++pushes_, Queued), kRelease);
        return 0;
    }
    return kErrorFull;
}

int DeviceQueue::nextToPlay(std::uint64_t& tag) const noexcept {
    std::uint64_t live = firstLive_.load(kAcquire);
    for (;;) {
        const std::uint64_t wanted = std::max(nextOrder_, live);
        for (std::size_t i = 0; i < kSlots; ++i) {
            tag = (*slots_)[i].tag.load(kAcquire);
            if (tag == Tag::of(wanted, Queued)) return static_cast<int>(i);
        }
        // Not pushed yet, or taken back by a reset that has moved the first live push on meanwhile.
        const std::uint64_t now = firstLive_.load(kAcquire);
        if (now == live) return -1;
        live = now;
    }
}

void DeviceQueue::letGo(Slot& slot) noexcept {
    // Taken back meanwhile: nobody collects it, so it is free at once.
    if (!step(slot, Playing, Played)) step(slot, Dropped, Free);
    current_ = -1;
}

std::size_t DeviceQueue::consume(std::uint8_t* out, std::size_t n) noexcept {
    std::size_t done = 0;
    while (done < n) {
        if (current_ >= 0 && stateOf((*slots_)[current_]) == Dropped) letGo((*slots_)[current_]);
        if (current_ < 0) {
            std::uint64_t tag = 0;
            const int next = nextToPlay(tag);
            if (next < 0) break;
            // Lost to a reset between the look and the claim (the slot may hold a newer block now): look
            // again.
            if (!(*slots_)[next].tag.compare_exchange_strong(tag, Tag::of(Tag::order(tag), Playing), kBoth))
                continue;
            current_ = next;
            nextOrder_ = Tag::order(tag) + 1;
        }
        Slot& slot = (*slots_)[current_];
        const std::uint32_t taken = slot.taken.load(kRelaxed);
        const std::size_t take = std::min<std::size_t>(n - done, slot.length - taken);
        if (out != nullptr && take > 0) std::memcpy(out + done, slot.bytes.data() + taken, take);
        slot.taken.store(taken + static_cast<std::uint32_t>(take), kRelaxed);
        done += take;
        if (taken + take == slot.length) letGo(slot);
    }
    played_.fetch_add(static_cast<std::uint32_t>(done), kRelease);
    return done;
}

int DeviceQueue::collectFinished() {
    // Oldest first, as the device played them.
    std::array<Slot*, kSlots> finished{};
    int count = 0;
    for (Slot& slot : *slots_)
        if (stateOf(slot) == Played) finished[count++] = &slot;
    const auto orderOf = [](const Slot* slot) { return Tag::order(slot->tag.load(kRelaxed)); };
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && orderOf(finished[j]) < orderOf(finished[j - 1]); --j)
            std::swap(finished[j], finished[j - 1]);
    for (int i = 0; i < count; ++i) {
        markDone(finished[i]->header);
        finished[i]->header = nullptr;
        step(*finished[i], Played, Free);  // the device never touches a played slot again
    }
    return count;
}

void DeviceQueue::reset() {
    // First the device is told that nothing pushed so far is to be played, then the slots are taken back.
    firstLive_.store(pushes_ + 1, kRelease);
    for (Slot& slot : *slots_) {
        // Each step fails only when the device moved the slot on meanwhile (queued to playing, playing to
        // played); the next one then takes it. A free slot, or one dropped by an earlier reset, held nothing.
        const bool held =
            step(slot, Queued, Free) || step(slot, Playing, Dropped) || step(slot, Played, Free);
        if (!held) continue;
        markDone(slot.header);
        slot.header = nullptr;
    }
    resetAt_ = played_.load(kAcquire);
}

std::uint32_t DeviceQueue::position() const {
    return played_.load(kAcquire) - resetAt_;
}

std::size_t DeviceQueue::pendingBytes() const {
    std::size_t bytes = 0;
    for (const Slot& slot : *slots_) {
        const State state = stateOf(slot);
        if (state == Queued || state == Playing) bytes += slot.length - slot.taken.load(kRelaxed);
    }
    return bytes;
}

std::size_t DeviceQueue::headRemaining() const {
    if (current_ >= 0) {
        const Slot& slot = (*slots_)[current_];
        if (stateOf(slot) == Playing) return slot.length - slot.taken.load(kRelaxed);
    }
    std::uint64_t tag = 0;
    const int next = nextToPlay(tag);
    return next < 0 ? 0 : (*slots_)[next].length;
}

bool DeviceQueue::hasFinished() const noexcept {
    for (const Slot& slot : *slots_)
        if (stateOf(slot) == Played) return true;
    return false;
}

}  // namespace sound
