// The blocks an output holds: copied in on the UI thread, played out on the device's thread, marked done on
// the UI thread. Each slot moves through its states by atomic steps, so the device's side never waits for a
// lock and never allocates, and the UI thread can take back everything (reset) while the device plays.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "sound/WaveHeader.h"

namespace sound {

class DeviceQueue {
  public:
    static constexpr std::size_t kSlots = 8;  // the mixer's six blocks, and one the device is letting go
    static constexpr std::size_t kSlotBytes = 4096;  // the largest block the mixer renders
    static constexpr int kErrorFull = 7;             // error number of a write with no room (no memory)
    static constexpr int kErrorTooLong = 11;         // error number of a block longer than a slot

    DeviceQueue();

    // UI thread: copies the block in behind the others. Returns 0 or an error number.
    int push(WaveHeader& header);
    // Device side (one thread at a time): plays up to n bytes into out (out may be null); returns the bytes
    // taken. Real-time safe.
    std::size_t consume(std::uint8_t* out, std::size_t n) noexcept;
    // UI thread: marks the headers of the blocks played out as done; returns how many.
    int collectFinished();
    // UI thread: every block is returned (marked done) and the position goes back to 0. A block the device is
    // playing at that moment stops at the end of the device's current piece.
    void reset();

    std::uint32_t position() const;    // UI thread: bytes played since the last reset
    std::size_t pendingBytes() const;  // bytes written and not yet played
    std::size_t headRemaining()
        const;  // device side: bytes left of the block now playing (0: nothing queued)
    bool hasFinished() const noexcept;  // blocks played out but not yet collected

  private:
    // Free: the UI thread's. Queued: waiting for the device. Playing: the device's. Played: waiting to be
    // collected. Dropped: taken back while the device was playing it; the device frees it.
    enum State : std::uint8_t { Free, Queued, Playing, Played, Dropped };
    // A slot's state and the order of the push that filled it, in one word: a step from one state to another
    // names the block too, so the device never claims a newer block that a reset and a push put in the slot
    // it chose.
    struct Tag {
        static constexpr std::uint64_t of(std::uint64_t order, State state) { return order << 8 | state; }
        static constexpr State state(std::uint64_t tag) { return static_cast<State>(tag & 0xff); }
        static constexpr std::uint64_t order(std::uint64_t tag) { return tag >> 8; }
    };
    struct Slot {
        std::atomic<std::uint64_t> tag{Tag::of(0, Free)};
        std::atomic<std::uint32_t> taken{0};  // bytes already played
        std::uint32_t length = 0;             // bytes in the block
        WaveHeader* header = nullptr;         // UI thread only
        std::array<std::uint8_t, kSlotBytes> bytes{};
    };
    State stateOf(const Slot& slot) const noexcept {
        return Tag::state(slot.tag.load(std::memory_order_acquire));
    }
    // Moves the slot to `to` if it is in `from`, whatever block it holds; false if it was in another state.
    static bool step(Slot& slot, State from, State to) noexcept;
    // Device side: the slot that holds the next block in the order of pushes, queued, and its tag; or -1. A
    // scan of the slots is not one atomic look, so the device asks for one push number, never "the oldest".
    int nextToPlay(std::uint64_t& tag) const noexcept;
    void letGo(Slot& slot) noexcept;  // device side: done with the slot it played
    static void markDone(WaveHeader* header);

    std::unique_ptr<std::array<Slot, kSlots>> slots_;
    std::uint64_t pushes_ = 0;                 // UI thread
    std::atomic<std::uint64_t> firstLive_{1};  // the first push after the last reset
    std::uint64_t nextOrder_ = 1;              // device side: the push the device plays next
    int current_ = -1;                         // device side: the slot now playing
    std::atomic<std::uint32_t> played_{0};     // bytes played since the queue was made
    std::uint32_t resetAt_ = 0;                // UI thread: played_ at the last reset
};

}  // namespace sound
