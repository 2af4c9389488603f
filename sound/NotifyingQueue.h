// An output's block queue together with the mixer's done callback, reachable from notices posted to the UI thread.
#pragma once

#include <functional>
#include <memory>

#include "sound/AudioOutput.h"
#include "sound/DeviceQueue.h"

namespace sound {

class NotifyingQueue {
public:
    DeviceQueue& queue() { return shared_->queue; }
    const DeviceQueue& queue() const { return shared_->queue; }
    // UI thread: what runs once per finished block (nothing after close).
    void setBlockDone(std::function<void()> blockDone) { shared_->blockDone = std::move(blockDone); }
    // Any thread: posts a notice that marks the finished blocks done and runs the callback for each. The notice holds
    // the queue weakly, so one that arrives after the output is gone does nothing.
    void postFinished(const PostFn& post) const {
        if (post) post([weak = std::weak_ptr<Shared>(shared_)] { deliver(weak); });
    }

private:
    struct Shared {
        DeviceQueue queue;
        std::function<void()> blockDone;  // UI thread only
    };
    static void deliver(const std::weak_ptr<Shared>& weak) {
        const std::shared_ptr<Shared> shared = weak.lock();
        if (!shared) return;
        const int finished = shared->queue.collectFinished();
        for (int i = 0; i < finished && shared->blockDone; ++i) shared->blockDone();
    }
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

}  // namespace sound
