// The blocks an output holds: copied in on the UI thread, played out on the device side, marked done on the UI thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

#include "sound/WaveHeader.h"

namespace sound {

class DeviceQueue {
public:
    static constexpr std::size_t kSlots = 8;         // more than the mixer's six blocks
    static constexpr std::size_t kSlotBytes = 4096;  // the largest block the mixer renders
    static constexpr int kErrorFull = 7;             // error number of a write with no room (no memory)
    static constexpr int kErrorTooLong = 11;         // error number of a block longer than a slot

    DeviceQueue();

    // UI thread: copies the block in behind the others. Returns 0 or an error number.
    int push(WaveHeader& header);
    // Device side: plays up to n bytes into out (out may be null); returns the bytes taken.
    std::size_t consume(std::uint8_t* out, std::size_t n);
    // UI thread: marks the headers of the blocks played out as done; returns how many.
    int collectFinished();
    // UI thread: every block is returned (marked done) and the position goes back to 0.
    void reset();

    std::uint32_t position() const;       // bytes played since the last reset
    std::size_t pendingBytes() const;     // bytes written and not yet played
    std::size_t headRemaining() const;    // bytes left of the block now playing (0: nothing queued)
    bool hasFinished() const;             // blocks played out but not yet collected

private:
    struct Slot {
        WaveHeader* header = nullptr;
        std::uint32_t length = 0;  // bytes in the block
        std::uint32_t taken = 0;   // bytes already played
        std::array<std::uint8_t, kSlotBytes> bytes{};
    };
    static std::size_t next(std::size_t i) { return (i + 1) % kSlots; }

    mutable std::mutex mutex_;
    std::unique_ptr<std::array<Slot, kSlots>> slots_;
    // A ring in three parts: [collect_, head_) played out, [head_, tail_) waiting, the rest free.
    std::size_t collect_ = 0, head_ = 0, tail_ = 0;
    std::size_t finishedCount_ = 0, waitingCount_ = 0;
    std::uint32_t position_ = 0;  // bytes
};

}  // namespace sound
