// The check's worker thread: one solver run on its own play window, sharing nothing with the editor.
#include "maker/StageCheck.h"

#include <exception>

namespace maker {

bool StageCheck::start(const solver::StageData& stage) {
    if (running()) return false;
    done_.store(false);
    worker_ = std::jthread([this, stage](std::stop_token stop) {
        CheckResult r;
        try {
            solver::SearchLimits limits = limits_;
            limits.stop = std::move(stop);
            solver::StageSim sim;
            sim.startCourse(kCheckCourse, kCheckStartTime, kCheckLives);
            sim.beginStage(stage, 0);
            r.play = narrowFirst_ ? solver::solveNarrowFirst(sim, limits)
                                  : solver::StageSolver(sim, limits).solve();
        } catch (const std::exception& e) {
            r.error = e.what();
        }
        result_ = std::move(r);
        done_.store(true, std::memory_order_release);
    });
    return true;
}

solver::SearchLimits liveCheckLimits() {
    solver::SearchLimits l;
    l.simTickBudget = kLiveCheckTickBudget;
    return l;
}

void StageCheck::restart(const solver::StageData& stage) {
    if (running()) {
        if (!done_.load(std::memory_order_acquire)) ++dropped_;
        worker_.request_stop();
        worker_.join();  // the search stops within one step of its own
    }
    start(stage);
}

std::optional<CheckResult> StageCheck::takeResult() {
    if (!running() || !done_.load(std::memory_order_acquire)) return std::nullopt;
    worker_.join();
    return std::move(result_);
}

}  // namespace maker
