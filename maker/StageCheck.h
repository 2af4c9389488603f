// The editor's check: plays a copy of the field with the stage solver on a worker thread, so the window
// keeps painting and answering while the search runs; the window polls for the result.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "engine/GameConstants.h"
#include "solver/NarrowFirst.h"
#include "solver/StageSim.h"
#include "solver/StageSolver.h"

namespace maker {

// A check starts as the user-stage player starts a stage: 500 time units and 10 lives.
inline constexpr std::int32_t kCheckStartTime = engine::kRunnerStartTime;  // time units
inline constexpr std::int32_t kCheckLives = engine::kFreshLives;
inline constexpr int kCheckCourse = 1;  // the game rules of course 1 play the stage

struct CheckResult {
    solver::StagePlay play;
    std::string error;  // the search failed (then play holds nothing)
};

// The line under the field checks after every change: a smaller budget, so that a verdict comes within a
// fraction of a second, and a narrow search first.
solver::SearchLimits liveCheckLimits();
inline constexpr std::int64_t kLiveCheckTickBudget = 500'000;

class StageCheck {
  public:
    explicit StageCheck(solver::SearchLimits limits = {}, bool narrowFirst = false)
        : limits_(limits), narrowFirst_(narrowFirst) {}
    StageCheck(const StageCheck&) = delete;
    StageCheck& operator=(const StageCheck&) = delete;
    // A running search is asked to stop and waited for (it stops within one step of the search).
    ~StageCheck() = default;

    // Starts playing stage; false (and nothing started) while a check runs.
    bool start(const solver::StageData& stage);
    // Stops a running check (its result is dropped) and starts playing stage.
    void restart(const solver::StageData& stage);
    // A check was started and its result not yet taken.
    bool running() const { return worker_.joinable(); }
    // The result once the search has ended; nothing while it runs or when no check was started.
    std::optional<CheckResult> takeResult();
    const solver::SearchLimits& limits() const { return limits_; }
    // Checks stopped by restart() before their end.
    int dropped() const { return dropped_; }

  private:
    solver::SearchLimits limits_;
    bool narrowFirst_ = false;
    int dropped_ = 0;
    CheckResult result_;  // written by the worker before done_
    std::atomic<bool> done_{false};
    std::jthread worker_;  // last: stopped and joined before the members it writes go
};

}  // namespace maker
