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

int DeviceQueue::push(WaveHeader& header) {
    if (header.bufferLength > kSlotBytes) return kErrorTooLong;
    for (Slot& slot : *slots_) {
        if (slot.state.load(kAcquire) != Free) continue;
        slot.header = &header;
        slot.length = header.bufferLength;
        slot.taken.store(0, kRelaxed);
        slot.order.store(++pushes_, kRelaxed);
        if (header.bufferLength > 0) std::memcpy(slot.bytes.data(), header.data, header.bufferLength);
        header.flags = (header.flags & ~kHeaderDone) | kHeaderInQueue;
        slot.state.store(Queued, kRelease);
        return 0;
    }
    return kErrorFull;
}

int DeviceQueue::nextToPlay() const noexcept {
    int best = -1;
    std::uint64_t bestOrder = 0;
    for (std::size_t i = 0; i < kSlots; ++i) {
        const Slot& slot = (*slots_)[i];
        if (slot.state.load(kAcquire) != Queued) continue;
        const std::uint64_t order = slot.order.load(kRelaxed);
        if (best < 0 || order < bestOrder) {
            best = static_cast<int>(i);
            bestOrder = order;
        }
    }
    return best;
}

void DeviceQueue::letGo(Slot& slot) noexcept {
    std::uint8_t expected = Playing;
    // Taken back meanwhile: nobody collects it, so it is free at once.
    if (!slot.state.compare_exchange_strong(expected, Played, kBoth)) slot.state.store(Free, kRelease);
    current_ = -1;
}

std::size_t DeviceQueue::consume(std::uint8_t* out, std::size_t n) noexcept {
    std::size_t done = 0;
    while (done < n) {
        if (current_ >= 0 && (*slots_)[current_].state.load(kAcquire) == Dropped) letGo((*slots_)[current_]);
        if (current_ < 0) {
            const int next = nextToPlay();
            if (next < 0) break;
            std::uint8_t expected = Queued;
            // Lost to a reset between the look and the claim: look again.
            if (!(*slots_)[next].state.compare_exchange_strong(expected, Playing, kBoth)) continue;
            current_ = next;
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
        if (slot.state.load(kAcquire) == Played) finished[count++] = &slot;
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && finished[j]->order.load(kRelaxed) < finished[j - 1]->order.load(kRelaxed);
             --j)
            std::swap(finished[j], finished[j - 1]);
    for (int i = 0; i < count; ++i) {
        markDone(finished[i]->header);
        finished[i]->header = nullptr;
        finished[i]->state.store(Free, kRelease);
    }
    return count;
}

void DeviceQueue::reset() {
    for (Slot& slot : *slots_) {
        std::uint8_t state = slot.state.load(kAcquire);
        bool held = true;  // the slot held a block of the mixer's until now
        for (;;) {
            if (state == Queued) {
                if (slot.state.compare_exchange_weak(state, Free, kBoth)) break;
            } else if (state == Playing) {
                if (slot.state.compare_exchange_weak(state, Dropped, kBoth)) break;
            } else if (state == Played) {
                slot.state.store(Free, kRelease);  // the device never touches a played slot again
                break;
            } else {
                held = false;  // free, or dropped by an earlier reset
                break;
            }
        }
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
        const std::uint8_t state = slot.state.load(kAcquire);
        if (state == Queued || state == Playing) bytes += slot.length - slot.taken.load(kRelaxed);
    }
    return bytes;
}

std::size_t DeviceQueue::headRemaining() const {
    if (current_ >= 0) {
        const Slot& slot = (*slots_)[current_];
        if (slot.state.load(kAcquire) == Playing) return slot.length - slot.taken.load(kRelaxed);
    }
    const int next = nextToPlay();
    return next < 0 ? 0 : (*slots_)[next].length;
}

bool DeviceQueue::hasFinished() const noexcept {
    for (const Slot& slot : *slots_)
        if (slot.state.load(kAcquire) == Played) return true;
    return false;
}

}  // namespace sound
