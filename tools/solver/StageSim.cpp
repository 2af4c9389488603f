// The solver's display-less play window and its simulated clock.
#include "tools/solver/StageSim.h"

#include <algorithm>

namespace solver {

StageSim::StageSim(std::uint64_t seed) : platform_("/nonexistent/", seed), play_(platform_.services(), sound_) {
    play_.engine.setDrawing(false);
}

void StageSim::startCourse(int courseNo, std::int32_t startTime, std::int32_t lives) {
    play_.resetRun();
    engine::tmy& my = play_.state.my;
    play_.state.courseNo = static_cast<std::uint8_t>(courseNo);
    my.stageNo = -1;
    my.stagesCleared = -1;
    my.timeLeft = startTime;
    my.hp = lives;
    play_.state.timePresent = 0;
    // As after a course pick: the ready button waits, and one status tick sets the course's last stage.
    play_.ok_b.show();
    play_.Timer2.start();
    play_.engine.Timer2Timer();
}

void StageSim::beginStage(const StageData& stage, std::int32_t timeGift) {
    engine::tmy& my = play_.state.my;
    my.stageNo += 1;
    play_.beginStage(stage.grid, stage.title, stage.author);
    my.timeLeft += timeGift;
    timeAtStart_ = my.timeLeft;
    clockMs_ = 0;
    nextCountdownMs_ = kMsPerCountdown;
    ticks_ = 0;
    livesLost_ = 0;
    ballsLost_ = 0;
    turns_ = 0;
}

void StageSim::moveBarTo(int col) { play_.moveTo(columnPixel(col)); }

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
    if (!play_.Timer1.enabled()) ++ballsLost_;  // the tick took a life and stopped the ball
    statusTick();
}

Phase StageSim::phase() const {
    if (!play_.Timer2.enabled() || play_.ok_b.visible()) return Phase::Cleared;  // ALL CLEAR stops Timer2
    if (play_.end_b.visible()) return Phase::GameOver;
    if (play_.Timer1.enabled()) return Phase::InPlay;
    return Phase::Waiting;
}

void StageSim::statusTick() {
    if (play_.Timer2.enabled()) play_.engine.Timer2Timer();
}

void StageSim::countLoss(std::int32_t hpBefore) {
    livesLost_ += std::max<std::int32_t>(0, hpBefore - play_.state.my.hp);
}

StageSim::Snapshot StageSim::snapshot() const {
    const engine::GameState& g = play_.state;
    Snapshot snap;
    snap.my = g.my;
    for (int c = 0; c < kKeptCols; ++c)
        for (int r = 0; r < kKeptRows; ++r) snap.cells[c * kKeptRows + r] = g.blockGrid.at(c, r);
    snap.ballDX = g.ballDX;
    snap.ballDY = g.ballDY;
    snap.effectTicks = g.effectTicks;
    snap.ballFlashTicks = g.ballFlashTicks;
    snap.colourPhase = g.colourPhase;
    snap.bannerTicks = g.bannerTicks;
    snap.timePresent = g.timePresent;
    snap.lastStageNo = g.lastStageNo;
    snap.courseNo = g.courseNo;
    snap.ballInPlay = play_.Timer1.enabled();
    snap.waitingForServe = play_.try_b.visible();
    snap.statusRunning = play_.Timer2.enabled();
    snap.readyShown = play_.ok_b.visible();
    snap.endShown = play_.end_b.visible();
    snap.ballTickMs = play_.Timer1.interval();
    snap.random = platform_.random;
    snap.clockMs = clockMs_;
    snap.nextCountdownMs = nextCountdownMs_;
    snap.ticks = ticks_;
    snap.livesLost = livesLost_;
    snap.ballsLost = ballsLost_;
    snap.turns = turns_;
    snap.timeAtStart = timeAtStart_;
    return snap;
}

void StageSim::restore(const Snapshot& snap) {
    engine::GameState& g = play_.state;
    g.my = snap.my;
    for (int c = 0; c < kKeptCols; ++c)
        for (int r = 0; r < kKeptRows; ++r) g.blockGrid.set(c, r, snap.cells[c * kKeptRows + r]);
    g.ballDX = snap.ballDX;
    g.ballDY = snap.ballDY;
    g.effectTicks = snap.effectTicks;
    g.ballFlashTicks = snap.ballFlashTicks;
    g.colourPhase = snap.colourPhase;
    g.bannerTicks = snap.bannerTicks;
    g.timePresent = snap.timePresent;
    g.lastStageNo = snap.lastStageNo;
    g.courseNo = snap.courseNo;
    play_.Timer1.setEnabled(snap.ballInPlay);
    play_.try_b.setVisible(snap.waitingForServe);
    play_.Timer2.setEnabled(snap.statusRunning);
    play_.ok_b.setVisible(snap.readyShown);
    play_.end_b.setVisible(snap.endShown);
    play_.Timer1.setInterval(snap.ballTickMs);
    platform_.random = snap.random;
    clockMs_ = snap.clockMs;
    nextCountdownMs_ = snap.nextCountdownMs;
    ticks_ = snap.ticks;
    livesLost_ = snap.livesLost;
    ballsLost_ = snap.ballsLost;
    turns_ = snap.turns;
    timeAtStart_ = snap.timeAtStart;
}

}  // namespace solver
