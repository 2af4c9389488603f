// Wiring of the display-less play window.
#include "engine/HeadlessPlay.h"

#include "engine/BindPlayControls.h"
#include "engine/CourseButtons.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/RunStart.h"

namespace engine {
namespace {

constexpr std::size_t kLogLimit = 4096;  // bytes of an unscrolled log kept by tick()

}  // namespace

HeadlessPlay::HeadlessPlay(ui::Services& services, SoundSink& sound, Rules rules)
    : engine(state, controls, services, sound, std::move(rules)) {
    const bool game = engine.rules().status == StatusKind::Game;
    bindPlayControls(controls, *this, game);  // the runner's window has no game-only controls

    ui::Timer* timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7};
    void (PlayEngine::*handlers[])() = {&PlayEngine::Timer1Timer, &PlayEngine::Timer2Timer,
                                        &PlayEngine::Timer3Timer, &PlayEngine::Timer4Timer,
                                        &PlayEngine::Timer5Timer, &PlayEngine::Timer6Timer,
                                        &PlayEngine::Timer7Timer};
    for (int i = 0; i < (game ? 7 : 6); ++i) {
        timers[i]->onTimer = [this, h = handlers[i]] { (engine.*h)(); };
        form.addTimer(*timers[i]);
    }
    engine.letTimersRest();
    forwardPauseEvents(engine, form);
    forwardPlayKeys(engine, form);
    engine.showCourses = [this] {
        showOpenCourses({{&c_b1, nullptr, &c_b3, &c_b4, &c_b5, &c_b6}, &star_l}, state.my);
    };
    startUp(state, engine.rules());
    resetRun();
    // No panel and no button waits: the state a window is in between the ready click and the stage start.
    engine.setPhase(PlayPhase::Loading);
}

void HeadlessPlay::resetRun() {
    startRun(state, engine.rules());
    // A fresh window's values besides: no save file gives lives, moon or records, and the time is a
    // runner's.
    tmy& my = state.my;
    my.maxCombo = 1;
    my.hp = kFreshLives;
    my.money = 0;
    my.timeLeft = kRunnerStartTime;
    const bool game = engine.rules().status == StatusKind::Game;
    my.stageNo = game ? 0 : -1;
    my.stagesCleared = game ? -1 : 0;
    state.courseNo = game ? 1 : 0;
    state.lastStageNo = game ? 10 : 0;  // course 1 has stages 0..10
    state.effectTicks = 0;
}

void HeadlessPlay::beginStage(const BlockGrid& grid, std::string title, std::string author) {
    state.blockGrid = grid;
    state.stageTitle = std::move(title);
    state.stageAuthor = std::move(author);
    engine.setPhase(PlayPhase::Loading);
    help_b.hide();
    store_b.hide();
    Timer2.start();
    putStageInPlay(engine);
}

void HeadlessPlay::serveFrom(int col) {
    moveTo(kCellWidth * (col - 1));
    leftClick();
}

void HeadlessPlay::tick() {
    engine.Timer1Timer();
    if (moji_l.caption().size() > kLogLimit) moji_l.setCaption("");
}

}  // namespace engine
