// The blocks an output holds: copied in on the UI thread, played out on the device side, marked done on the UI thread.
#include "sound/DeviceQueue.h"

#include <algorithm>
#include <cstring>

namespace sound {

DeviceQueue::DeviceQueue() : slots_(std::make_unique<std::array<Slot, kSlots>>()) {}

int DeviceQueue::push(WaveHeader& header) {
    if (header.bufferLength > kSlotBytes) return kErrorTooLong;
    std::lock_guard lock(mutex_);
    if (finishedCount_ + waitingCount_ >= kSlots) return kErrorFull;
    Slot& slot = (*slots_)[tail_];
    slot.header = &header;
    slot.length = header.bufferLength;
    slot.taken = 0;
    if (header.bufferLength > 0) std::memcpy(slot.bytes.data(), header.data, header.bufferLength);
    header.flags = (header.flags & ~kHeaderDone) | kHeaderInQueue;
    tail_ = next(tail_);
    ++waitingCount_;
    return 0;
}

std::size_t DeviceQueue::consume(std::uint8_t* out, std::size_t n) {
    std::lock_guard lock(mutex_);
    std::size_t done = 0;
    while (done < n && waitingCount_ > 0) {
        Slot& slot = (*slots_)[head_];
        const std::size_t take = std::min<std::size_t>(n - done, slot.length - slot.taken);
        if (out != nullptr && take > 0) std::memcpy(out + done, slot.bytes.data() + slot.taken, take);
        slot.taken += static_cast<std::uint32_t>(take);
        done += take;
        if (slot.taken == slot.length) {
            head_ = next(head_);
            --waitingCount_;
            ++finishedCount_;
        }
    }
    position_ += static_cast<std::uint32_t>(done);
    return done;
}

int DeviceQueue::collectFinished() {
    std::lock_guard lock(mutex_);
    int count = 0;
    while (finishedCount_ > 0) {
        WaveHeader* header = (*slots_)[collect_].header;
        header->flags = (header->flags | kHeaderDone) & ~kHeaderInQueue;
        collect_ = next(collect_);
        --finishedCount_;
        ++count;
    }
    return count;
}

void DeviceQueue::reset() {
    std::lock_guard lock(mutex_);
    for (std::size_t i = collect_, left = finishedCount_ + waitingCount_; left > 0; i = next(i), --left) {
        WaveHeader* header = (*slots_)[i].header;
        header->flags = (header->flags | kHeaderDone) & ~kHeaderInQueue;
    }
    collect_ = head_ = tail_ = 0;
    finishedCount_ = waitingCount_ = 0;
    position_ = 0;
}

std::uint32_t DeviceQueue::position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

std::size_t DeviceQueue::pendingBytes() const {
    std::lock_guard lock(mutex_);
    std::size_t bytes = 0;
    for (std::size_t i = head_, left = waitingCount_; left > 0; i = next(i), --left)
        bytes += (*slots_)[i].length - (*slots_)[i].taken;
    return bytes;
}

std::size_t DeviceQueue::headRemaining() const {
    std::lock_guard lock(mutex_);
    if (waitingCount_ == 0) return 0;
    const Slot& slot = (*slots_)[head_];
    return slot.length - slot.taken;
}

bool DeviceQueue::hasFinished() const {
    std::lock_guard lock(mutex_);
    return finishedCount_ > 0;
}

}  // namespace sound
