// A fixed ring of records handed from one thread to another without a lock or an allocation: one thread
// pushes, one pops. Either side may pass to another thread when the two are ordered (a thread started or
// joined between them).
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

namespace sound {

template <typename T, std::size_t N>
class SpscRing {
    static_assert(N > 0 && (N & (N - 1)) == 0, "the ring's size is a power of two");

  public:
    // The pushing side: false when the ring is full (the record is not taken).
    bool push(const T& item) noexcept {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == N) return false;
        items_[tail % N] = item;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }
    // The popping side: false when the ring is empty.
    bool pop(T& item) noexcept {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) return false;
        item = items_[head % N];
        head_.store(head + 1, std::memory_order_release);
        return true;
    }
    bool empty() const noexcept {
        return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
    }

  private:
    std::array<T, N> items_{};
    alignas(64) std::atomic<std::size_t> head_{0};  // next to pop
    alignas(64) std::atomic<std::size_t> tail_{0};  // next to push
};

}  // namespace sound
