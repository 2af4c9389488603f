// The demo's moves through the runner's window.
#include "runner/DemoPlay.h"

#include "base/Translation.h"

#include "engine/PlayEngine.h"
#include "engine/StageFile.h"
#include "solver/MovesFile.h"
#include "solver/RunnerPlay.h"
#include "solver/StageSim.h"

namespace runner {

DemoPlay::DemoPlay(TForm1& w, ui::Services& services, std::vector<solver::Move> moves, std::string stagePath)
    : w_(w),
      services_(services),
      moves_(std::move(moves)),
      stagePath_(std::move(stagePath)),
      pace_("demoTimer", w.engine().rules().serveTick(), false) {
    // The player's mouse does nothing while the demo plays.
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w_.form, &w_.main_box}) {
        c->onMouseMove = [](const ui::MouseEvent&) {};
        c->onMouseDown = [](const ui::MouseEvent&) {};
    }
    w_.Button5.onClick = [] {};
    // Each ball tick first makes the moves due at it.
    w_.Timer1.onTimer = [this] {
        makeMovesDue();
        if (!w_.engine().ballInPlay()) return;
        w_.engine().Timer1Timer();
        ++ticks_;
    };
    pace_.onTimer = [this] { paceTimer(); };
    // While the ball runs the pace has nothing to do: the ball tick that loses it or clears the stage wakes
    // it.
    pace_.nothingToDo = [this] { return paceStill(); };
    w_.form.addTimer(pace_);
    auto create = std::move(w_.form.onCreate);
    w_.form.onCreate = [this, create] {
        if (create) create();
        start();
    };
}

std::vector<solver::Move> DemoPlay::solve(const std::string& stagePath, std::string& note) {
    solver::StageData data;
    engine::loadStageFile(stagePath, data.grid, data.title, data.author);
    solver::StageSim sim(solver::kSolverSeed, engine::Rules::runner());
    const solver::StagePlay play = solver::solveForRunner(sim, data);
    note = play.cleared()
               ? ""
               : base::translate("Demo", "クリアの手が見つかりません。探索が届いたところまで自動で遊びます");
    return play.moves;
}

void DemoPlay::start() {
    w_.playStage(stagePath_);
    // The same random turns as the solver saw.
    services_.random.seed(solver::kSolverSeed);
    next_ = 0;
    ticks_ = 0;
    served_ = false;
    pace_.start();
    makeMovesDue();
}

void DemoPlay::makeMovesDue() {
    engine::PlayEngine& e = w_.engine();
    // One tick's moves at a time, and no more than a play makes at one tick: the rest wait for the next call.
    if (next_ >= moves_.size()) return;
    const std::int64_t tick = moves_[next_].atTick;
    for (int made = 0; next_ < moves_.size() && moves_[next_].atTick <= ticks_ &&
                       moves_[next_].atTick == tick && made < solver::kMaxMovesPerTick;
         ++next_, ++made) {
        const solver::Move& m = moves_[next_];
        switch (m.kind) {
            case solver::Move::Kind::Serve:
                if (!engine::waitsForServe(e.phase())) return;  // not waiting yet: the move waits
                e.main_boxMouseMove(solver::columnPixel(m.column), 0);
                e.main_boxMouseDown(ui::MouseButton::Left);
                if (!served_) {
                    // The stage's seconds count from the first serve, as the solver counted them.
                    w_.Timer5.stop();
                    w_.Timer5.start();
                    served_ = true;
                }
                break;
            case solver::Move::Kind::Bar:
                e.main_boxMouseMove(solver::columnPixel(m.column), 0);
                break;
            case solver::Move::Kind::Turn:
                e.main_boxMouseDown(ui::MouseButton::Right);
                break;
            case solver::Move::Kind::Explode:
                e.main_boxMouseDown(ui::MouseButton::Left);
                break;
        }
    }
}

namespace {

// The demo is over: CLEAR, or the lives gone.
bool over(engine::PlayPhase phase) {
    return phase == engine::PlayPhase::StageCleared || phase == engine::PlayPhase::GameOver;
}

}  // namespace

bool DemoPlay::paceStill() const {
    const engine::PlayPhase phase = w_.engine().phase();
    return !over(phase) && !engine::waitsForServe(phase);
}

void DemoPlay::paceTimer() {
    const engine::PlayPhase phase = w_.engine().phase();
    if (over(phase)) {
        pace_.stop();
        return;
    }
    if (engine::waitsForServe(phase)) makeMovesDue();
}

}  // namespace runner
