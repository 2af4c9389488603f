// Where the play of a window stands. The engine's rules read and change only this value; the windows'
// controls show it (showPhase).
#pragma once

#include <cstdint>

namespace engine {

enum class PlayPhase : std::uint8_t {
    StartPanel,   // the course-selection panel covers the field; the user-stage player: no stage yet
    CourseReady,  // a course picked: "ARE YOU READY !?" waits for the first stage
    Loading,      // the ready click read the next stage file; stays so when the file could not be read
    Serve,        // the ball rides on the bar and waits for the serve (the start prompt)
    InPlay,       // the ball runs
    ServeInPlay,  // the user-stage player: a stage chosen under a running ball; it runs and waits for a serve
    StageCleared,  // CLEAR: the ready button waits for the next stage (the user-stage player: the stage is
                   // over)
    GameOver,  // the lives are gone: the end button waits (the user-stage player: a new stage may be chosen)
    EndPanel,  // the run's results
    AllClear,  // the course's last stage cleared: the end button waits, the status tick stopped
};

// Whether the ball runs (the ball tick's timer).
constexpr bool ballRuns(PlayPhase p) {
    return p == PlayPhase::InPlay || p == PlayPhase::ServeInPlay;
}
// Whether a click serves (the start prompt is shown).
constexpr bool waitsForServe(PlayPhase p) {
    return p == PlayPhase::Serve || p == PlayPhase::ServeInPlay;
}
// Whether the player is playing a stage: a pause holds it.
constexpr bool playGoesOn(PlayPhase p) {
    return ballRuns(p) || waitsForServe(p);
}
// Whether the ready button ("ARE YOU READY !?") waits.
constexpr bool readyWaits(PlayPhase p) {
    return p == PlayPhase::CourseReady || p == PlayPhase::StageCleared;
}
// Whether the end button waits.
constexpr bool endWaits(PlayPhase p) {
    return p == PlayPhase::GameOver || p == PlayPhase::AllClear;
}

}  // namespace engine
