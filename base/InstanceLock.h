// An advisory lock on a file: one running copy per save folder, one writer of the settings at a time.
#pragma once

#include <string>

namespace base {

// Holds an exclusive flock(2) on path while it lives. The kernel drops the lock when the process ends in
// any way, so a crash leaves nothing that blocks the next start. The file itself is left in place.
class InstanceLock {
  public:
    enum class State {
        Held,      // this process is the only holder
        Taken,     // another process holds it
        Unusable,  // the file cannot be made or opened (no folder, read-only, ...): nothing to decide by
    };

    // waitMs: how long to wait for another holder to let go before the lock counts as Taken.
    explicit InstanceLock(const std::string& path, int waitMs = 0);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }

  private:
    int fd_ = -1;
    State state_ = State::Unusable;
};

}  // namespace base
