// A stage played by itself in the runner's window: the moves of a play (the solver's, or a moves file's)
// made at their ball ticks through the window's own mouse handlers, at the window's normal pace, until
// CLEAR. While it plays the player's mouse does nothing and the stage button is dead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runner/TForm1.h"
#include "solver/Move.h"
#include "ui/core/Services.h"
#include "ui/core/Timer.h"

namespace runner {

class DemoPlay {
  public:
    // Takes over w's mouse and its timer of ball ticks; the play begins with the window's creation.
    DemoPlay(TForm1& w, ui::Services& services, std::vector<solver::Move> moves, std::string stagePath);
    DemoPlay(const DemoPlay&) = delete;
    DemoPlay& operator=(const DemoPlay&) = delete;

    // The solver's play of the stage file as the runner plays it; note tells when no clear was found.
    static std::vector<solver::Move> solve(const std::string& stagePath, std::string& note);

    // Loads the stage and makes the first moves.
    void start();
    bool playing() const { return pace_.enabled(); }
    std::int64_t ticks() const { return ticks_; }

  private:
    // Makes the moves of the earliest tick that has come, at most solver::kMaxMovesPerTick of them.
    void makeMovesDue();
    void paceTimer();
    // Whether a pace tick now would do nothing: the ball runs.
    bool paceStill() const;

    TForm1& w_;
    ui::Services& services_;
    std::vector<solver::Move> moves_;
    std::string stagePath_;
    std::size_t next_ = 0;
    std::int64_t ticks_ = 0;  // ball ticks since the stage was loaded
    bool served_ = false;
    ui::Timer pace_;  // serves a waiting ball and ends the demo at CLEAR
};

}  // namespace runner
