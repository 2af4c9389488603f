// One play window run without a display for the solver: ball ticks, the status tick and the one-second
// countdown on a simulated clock, with snapshots that a search can return to.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/Random.h"
#include "engine/GameConstants.h"
#include "engine/HeadlessPlay.h"
#include "engine/SoundSink.h"
#include "ui/core/HeadlessPlatform.h"

namespace solver {

inline constexpr std::uint64_t kSolverSeed = 20240601;  // fixed: every run plays the same
inline constexpr std::int32_t kCourseStartTime = engine::kCourseStartTime;
inline constexpr std::int32_t kCourseStartLives = engine::kFreshLives;
inline constexpr int kMsPerCountdown = 1000;  // Timer5's interval
// The part of the grid that play can change: the field and the margins that blasts, clears, the bar
// and the multiply block reach (the all-clear block empties columns 1..20 of rows 1..40).
inline constexpr int kKeptCols = 21, kKeptRows = 42;

// Where a stage stands after a step.
enum class Phase {
    Waiting,   // the start prompt is shown: the next move is a serve
    InPlay,    // the ball runs
    Cleared,   // CLEAR or ALL CLEAR
    GameOver,  // lives or time ran out
};

// A stage to play: its grid and texts as the stage file holds them.
struct StageData {
    engine::BlockGrid grid;
    std::string title, author;
};

class StageSim {
  public:
    // With the runner's rules the sim plays as zorban_runner does (its pace, its falls, its points).
    explicit StageSim(std::uint64_t seed = kSolverSeed, engine::Rules rules = engine::Rules::game());
    StageSim(const StageSim&) = delete;
    StageSim& operator=(const StageSim&) = delete;

    // The values a course pick and the course save file give a run: score 0, 10 lives of at most 99,
    // combo 1, startTime units, stage index -1 of the course.
    void startCourse(int courseNo, std::int32_t startTime = kCourseStartTime,
                     std::int32_t lives = kCourseStartLives);
    // The values zorban_runner gives a run when a stage is chosen: 500 time units, 10 lives.
    void startRunner();
    // "ARE YOU READY !?": the next stage index, the grid in play, timeGift added to the time left.
    // The simulated clock starts again: the first second is counted a full second after the serve.
    void beginStage(const StageData& stage, std::int32_t timeGift);

    // The pointer over column col (1..10); with a ball waiting, it rides along.
    void moveBarTo(int col);
    // Serves from column col (the pointer there, then a left click).
    void serveFrom(int col);
    // A right click: turns the ball for 5 time units.
    void turn();
    // A left click while the ball runs: clears the nine cells around it and costs a life.
    void explode();
    // Lets one ball interval pass: the countdown seconds that fall due, then the ball tick, each followed
    // by a status tick. Does nothing unless the ball is in play.
    void step();

    Phase phase() const;
    engine::HeadlessPlay& play() { return play_; }
    const engine::GameState& state() const { return play_.state; }

    // Counters of the current stage.
    std::int64_t ticks() const { return ticks_; }            // ball ticks
    std::int32_t livesLost() const { return livesLost_; }    // hp taken by lost balls and poison
    std::int32_t ballsLost() const { return ballsLost_; }    // of those, the lives that ended the ball's run
    std::int32_t turns() const { return turns_; }            // right clicks
    std::int32_t explosions() const { return explosions_; }  // left clicks in play
    std::int32_t timeAtStart() const { return timeAtStart_; }
    std::int64_t clockMs() const { return clockMs_; }

    // Everything a stage's play changes, small enough to keep thousands: the grid only where the engine
    // writes (columns 0..20, rows 0..41), not the title, author or toy table, which play never changes.
    struct Snapshot {
        engine::tmy my;
        std::array<std::int32_t, kKeptCols * kKeptRows>
            cells;  // [col * kKeptRows + row]; written by snapshot()
        std::int32_t ballDX = 0, ballDY = 0, effectTicks = 0, ballFlashTicks = 0, colourPhase = 0,
                     bannerTicks = 0, timePresent = 0, lastStageNo = 0;
        std::uint8_t courseNo = 0;
        engine::PlayPhase phase = engine::PlayPhase::Serve;
        int ballTickMs = 0;  // the ball tick's interval: a slow block's effect
        base::Random random;
        std::int64_t clockMs = 0, nextCountdownMs = 0, ticks = 0;
        std::int32_t livesLost = 0, ballsLost = 0, turns = 0, explosions = 0, timeAtStart = 0;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snap);

  private:
    void statusTick();
    // Whether the status tick runs in the phase of play.
    bool statusTickRuns() const;
    // Notes the hp taken since hpBefore.
    void countLoss(std::int32_t hpBefore);
    // Calls copy(kept, live) for every plain value a snapshot keeps and the place it lives in sim: one
    // list for taking a snapshot and for restoring one.
    template <class Snap, class Sim, class Copy>
    static void eachKeptValue(Snap& snap, Sim& sim, Copy copy);

    ui::HeadlessPlatform platform_;
    engine::NullSoundSink sound_;
    engine::HeadlessPlay play_;
    std::int64_t clockMs_ = 0;          // ms since the serve of this stage's first ball
    std::int64_t nextCountdownMs_ = 0;  // when Timer5 fires next
    std::int64_t ticks_ = 0;
    std::int32_t livesLost_ = 0, ballsLost_ = 0, turns_ = 0, explosions_ = 0, timeAtStart_ = 0;
};

// The column a pointer at pixel x of the play field selects: the left edge of the column.
constexpr int columnPixel(int col) {
    return engine::kCellWidth * (col - 1);
}

}  // namespace solver
