// A notice from a device's own thread to the UI thread: rung from any thread without a lock or an allocation,
// answered on the UI thread by the event loop (which watches fd()) and also while a handler waits in the
// blocking pause, so that a busy window never keeps the sound device waiting.
#pragma once

#include <atomic>
#include <functional>

namespace base {

class Doorbell {
  public:
    Doorbell();
    ~Doorbell();
    Doorbell(const Doorbell&) = delete;
    Doorbell& operator=(const Doorbell&) = delete;

    // Any thread, real-time safe: the first ring after an answer makes fd() readable (one wake-up); rings
    // before the answer add nothing.
    void ring() noexcept;

    // UI thread: what answers a ring (nothing: the ring is only cleared). Runs with no other handler.
    void setAnswer(std::function<void()> answer) { answer_ = std::move(answer); }
    // UI thread: when the bell has rung, clears it and runs the answer once; false when it had not rung.
    bool answer();
    // UI thread: waits ms milliseconds on the clock, answering the bell whenever it rings meanwhile; nothing
    // else runs.
    void waitAnswering(int ms);

    // Readable while the bell has rung and not been answered (an eventfd; -1 when none could be made, and
    // then the bell is answered only by polling answer()).
    int fd() const { return fd_; }
    bool rung() const { return rung_.load(std::memory_order_acquire); }

  private:
    void drain() noexcept;

    int fd_ = -1;
    std::atomic<bool> rung_{false};
    std::function<void()> answer_;
};

}  // namespace base
