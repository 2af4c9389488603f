// The solver's display-less play window and its simulated clock.
#include "solver/StageSim.h"

#include <algorithm>

#include "engine/RunStart.h"

namespace solver {

StageSim::StageSim(std::uint64_t seed, engine::Rules rules)
    : platform_("/nonexistent/", seed), play_(platform_.services(), sound_, std::move(rules)) {
    play_.engine.setDrawing(false);
    play_.engine.letTimersRest(false);  // the simulation calls the handlers itself, never through timers
}

void StageSim::startCourse(int courseNo, std::int32_t startTime, std::int32_t lives) {
    play_.resetRun();
    engine::GameState& g = play_.state;
    g.courseNo = static_cast<std::uint8_t>(courseNo);
    engine::startRun(g, play_.engine.rules());
    // What the course save file would give.
    g.my.stagesCleared = -1;
    g.my.timeLeft = startTime;
    g.my.hp = lives;
    // As after a course pick: the ready button waits, and one status tick sets the course's last stage.
    play_.engine.setPhase(engine::PlayPhase::CourseReady);
    play_.Timer2.start();
    play_.engine.Timer2Timer();
}

void StageSim::startRunner() {
    play_.resetRun();
    play_.Timer2.start();
}

void StageSim::beginStage(const StageData& stage, std::int32_t timeGift) {
    engine::tmy& my = play_.state.my;
    play_.state.timePresent = timeGift;  // the stage start adds it to the time left
    engine::enterStage(play_.engine);
    play_.beginStage(stage.grid, stage.title, stage.author);
    timeAtStart_ = my.timeLeft;
    clockMs_ = 0;
    nextCountdownMs_ = kMsPerCountdown;
    ticks_ = 0;
    livesLost_ = 0;
    ballsLost_ = 0;
    turns_ = 0;
    explosions_ = 0;
}

void StageSim::moveBarTo(int col) {
    play_.moveTo(columnPixel(col));
}

void StageSim::serveFrom(int col) {
    play_.serveFrom(col);
    statusTick();
}

void StageSim::turn() {
    if (phase() != Phase::InPlay) return;
    play_.rightClick();
    ++turns_;
    statusTick();
}

void StageSim::explode() {
    if (phase() != Phase::InPlay) return;
    const std::int32_t hpBefore = play_.state.my.hp;
    play_.leftClick();
    ++explosions_;
    countLoss(hpBefore);
    if (!play_.engine.ballInPlay()) ++ballsLost_;
    statusTick();
}

void StageSim::step() {
    if (phase() != Phase::InPlay) return;
    const std::int64_t due = clockMs_ + play_.Timer1.interval();
    // Countdown seconds that fall before the tick; a time-out there ends the stage.
    while (nextCountdownMs_ <= due) {
        clockMs_ = nextCountdownMs_;
        nextCountdownMs_ += kMsPerCountdown;
        play_.engine.Timer5Timer();
        statusTick();
        if (phase() != Phase::InPlay) return;
    }
    clockMs_ = due;
    const std::int32_t hpBefore = play_.state.my.hp;
    play_.tick();
    ++ticks_;
    countLoss(hpBefore);
    if (!play_.engine.ballInPlay()) ++ballsLost_;  // the tick took a life and stopped the ball
    statusTick();
}

Phase StageSim::phase() const {
    using engine::PlayPhase;
    switch (play_.state.phase) {
        case PlayPhase::Serve:
            return Phase::Waiting;
        case PlayPhase::InPlay:
        case PlayPhase::ServeInPlay:
            return Phase::InPlay;
        case PlayPhase::CourseReady:
        case PlayPhase::StageCleared:
        case PlayPhase::AllClear:
            return Phase::Cleared;
        default:  // GAME OVER, and where no way on waits
            return Phase::GameOver;
    }
}

bool StageSim::statusTickRuns() const {
    // The status tick stops itself at ALL CLEAR, and in the user-stage player at CLEAR.
    const engine::PlayPhase p = play_.state.phase;
    if (play_.engine.rules().status == engine::StatusKind::Runner)
        return p != engine::PlayPhase::StageCleared;
    return p != engine::PlayPhase::AllClear;
}

void StageSim::statusTick() {
    if (play_.Timer2.enabled()) play_.engine.Timer2Timer();
}

void StageSim::countLoss(std::int32_t hpBefore) {
    livesLost_ += std::max<std::int32_t>(0, hpBefore - play_.state.my.hp);
}

template <class Snap, class Sim, class Copy>
void StageSim::eachKeptValue(Snap& snap, Sim& sim, Copy copy) {
    auto& g = sim.play_.state;
    copy(snap.my, g.my);
    copy(snap.ballDX, g.ballDX);
    copy(snap.ballDY, g.ballDY);
    copy(snap.effectTicks, g.effectTicks);
    copy(snap.ballFlashTicks, g.ballFlashTicks);
    copy(snap.colourPhase, g.colourPhase);
    copy(snap.bannerTicks, g.bannerTicks);
    copy(snap.timePresent, g.timePresent);
    copy(snap.lastStageNo, g.lastStageNo);
    copy(snap.courseNo, g.courseNo);
    copy(snap.phase, g.phase);
    copy(snap.random, sim.platform_.random);
    copy(snap.clockMs, sim.clockMs_);
    copy(snap.nextCountdownMs, sim.nextCountdownMs_);
    copy(snap.ticks, sim.ticks_);
    copy(snap.livesLost, sim.livesLost_);
    copy(snap.ballsLost, sim.ballsLost_);
    copy(snap.turns, sim.turns_);
    copy(snap.explosions, sim.explosions_);
    copy(snap.timeAtStart, sim.timeAtStart_);
}

StageSim::Snapshot StageSim::snapshot() const {
    Snapshot snap;
    eachKeptValue(snap, *this, [](auto& kept, const auto& live) { kept = live; });
    const auto& grid = play_.state.blockGrid.cells;
    for (int c = 0; c < kKeptCols; ++c)
        std::copy_n(grid.begin() + c * engine::kGridSize, kKeptRows, snap.cells.begin() + c * kKeptRows);
    snap.ballTickMs = play_.Timer1.interval();
    return snap;
}

void StageSim::restore(const Snapshot& snap) {
    eachKeptValue(snap, *this, [](const auto& kept, auto& live) { live = kept; });
    auto& grid = play_.state.blockGrid.cells;
    for (int c = 0; c < kKeptCols; ++c)
        std::copy_n(snap.cells.begin() + c * kKeptRows, kKeptRows, grid.begin() + c * engine::kGridSize);
    play_.engine.setPhase(snap.phase);
    play_.Timer2.setEnabled(statusTickRuns());
    play_.Timer1.setInterval(snap.ballTickMs);
}

}  // namespace solver
