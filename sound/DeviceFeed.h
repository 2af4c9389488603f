// What an output's device thread plays from: the queued blocks, a pause, and the doorbell that tells the UI
// thread that blocks have been played out. fill() is the whole work of the device's thread: it takes no lock,
// allocates nothing and calls nothing of the window system. A feed that mixes on the device (mixOnDevice)
// also applies the UI thread's requests and renders the next blocks there, and tells when it has gone idle.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>

#include "base/Doorbell.h"
#include "sound/DeviceQueue.h"
#include "sound/MixLane.h"

namespace sound {

class DeviceFeed {
  public:
    static constexpr std::uint8_t kSilence = 128;

    // bell may be null: finished blocks are then only collected when deliver() is called.
    explicit DeviceFeed(base::Doorbell* bell) : bell_(bell) {}

    DeviceQueue& queue() { return queue_; }
    const DeviceQueue& queue() const { return queue_; }

    // UI thread: what runs once per finished block (nothing after close).
    void setBlockDone(std::function<void()> blockDone) { blockDone_ = std::move(blockDone); }
    // UI thread, while no device thread plays: from now on the device's thread mixes. Before each piece it
    // applies the requests of lane; at the end of each block it runs the block-done function itself; after
    // idleBytes of silence with nothing queued it rings the bell once and reports itself idle().
    void mixOnDevice(MixLane* lane, std::size_t idleBytes) {
        lane_ = lane;
        idleBytes_ = idleBytes;
    }
    // UI thread: marks the finished blocks done and runs the block-done function for each; a feed that
    // mixes on the device hands over the ends of plays instead.
    void deliver() {
        if (lane_ != nullptr) {
            lane_->deliverEnds();
            return;
        }
        const int finished = queue_.collectFinished();
        for (int i = 0; i < finished && blockDone_; ++i) blockDone_();
    }
    // UI thread: while paused the device plays silence and keeps its blocks.
    void setPaused(bool paused) { paused_.store(paused, std::memory_order_release); }
    bool paused() const { return paused_.load(std::memory_order_acquire); }
    // A feed that mixes on the device: it has played only silence for a while and has nothing queued.
    bool idle() const { return state_.load(std::memory_order_acquire) == Idle; }
    // UI thread: takes an idle feed from the device's thread, which from then on plays silence and touches
    // nothing until clearIdle(); false when it was not idle, or a request woke it first. A request the
    // device's thread took is then played whole, never cut by a device stopped under it.
    bool takeIfIdle() {
        State idle = Idle;
        return state_.compare_exchange_strong(idle, Taken, std::memory_order_acq_rel);
    }
    // UI thread, while no device thread plays: counting the silence starts again, and a device that starts
    // plays leadIn bytes of silence before the first block (a sound server may drop the first moment of a
    // stream it has just set up).
    void clearIdle(std::size_t leadIn = 0) {
        state_.store(Active, std::memory_order_release);
        silentBytes_ = 0;
        leadIn_ = leadIn;
    }

    // Device thread: n bytes for the device, silence where no block is left; rings when a block ran out.
    void fill(std::uint8_t* out, std::size_t n) noexcept {
        if (lane_ != nullptr) {
            mix(out, n);
            return;
        }
        const std::size_t got = paused() ? 0 : queue_.consume(out, n);
        if (got < n) std::memset(out + got, kSilence, n - got);
        tell();
    }
    // Device thread: rings the bell when blocks have been played out.
    void tell() noexcept {
        if (bell_ != nullptr && queue_.hasFinished()) bell_->ring();
    }

  private:
    // Device thread of a feed that mixes there: block by block, each block's end serviced before the next.
    void mix(std::uint8_t* out, std::size_t n) noexcept {
        if (!awake()) {
            std::memset(out, kSilence, n);
            return;
        }
        lane_->serve();
        std::size_t got = std::min(n, leadIn_);
        std::memset(out, kSilence, got);
        leadIn_ -= got;
        while (got < n && !paused()) {
            const std::size_t head = queue_.headRemaining();
            if (head == 0) break;
            const std::size_t took = queue_.consume(out + got, std::min(n - got, head));
            if (took == 0) break;
            got += took;
            const int finished = queue_.collectFinished();
            for (int i = 0; i < finished && blockDone_; ++i) blockDone_();
        }
        if (got < n) std::memset(out + got, kSilence, n - got);
        countSilence(n - got);
    }
    // Device thread: whether this piece is mixed. An idle feed wakes for a request the UI thread posted,
    // unless the UI thread took it first.
    bool awake() noexcept {
        State state = state_.load(std::memory_order_acquire);
        if (state == Active) return true;
        if (state == Taken || !lane_->requestsWaiting()) return false;
        return state_.compare_exchange_strong(state, Active, std::memory_order_acq_rel);
    }
    void countSilence(std::size_t silent) noexcept {
        if (queue_.pendingBytes() > 0) {
            silentBytes_ = 0;
            return;
        }
        silentBytes_ += silent;
        if (silentBytes_ < idleBytes_) return;
        // Only this thread leaves Active.
        state_.store(Idle, std::memory_order_release);
        if (bell_ != nullptr) bell_->ring();
    }

    DeviceQueue queue_;
    base::Doorbell* bell_;
    std::atomic<bool> paused_{false};
    std::function<void()> blockDone_;  // UI thread only, or the device's thread when it mixes
    MixLane* lane_ = nullptr;          // set: the device's thread mixes
    std::size_t idleBytes_ = 0;
    std::size_t silentBytes_ = 0;  // the device's thread: silence played since something was queued
    std::size_t leadIn_ = 0;       // the device's thread: silence still to play before the blocks
    enum State : int { Active, Idle, Taken };
    std::atomic<State> state_{Active};  // of a feed that mixes on the device
};

}  // namespace sound
