// Wiring of the display-less play window.
#include "engine/HeadlessPlay.h"

#include "engine/FieldPainter.h"

namespace engine {
namespace {

constexpr int kStartColumn = 9, kStartRow = 17;  // where a stage puts the ball

}  // namespace

HeadlessPlay::HeadlessPlay(ui::Services& services, SoundSink& sound, Rules rules)
    : engine(state, controls, services, sound, std::move(rules)) {
    PlayControls& c = controls;
    c.main_box = &main_box;
    c.moji_l = &moji_l;
    c.moji_l2 = &moji_l2;
    c.moji_l2a = &moji_l2a;
    c.moji_l3 = &moji_l3;
    c.moji_l3a = &moji_l3a;
    c.combo_l = &combo_l;
    c.state_l = &state_l;
    c.time_l = &time_l;
    c.stage_l = &stage_l;
    c.point_l = &point_l;
    c.high_l = &high_l;
    c.hp_l = &hp_l;
    c.mp_l = &mp_l;
    c.try_b = &try_b;
    c.play_l = &play_l;
    c.cg = &cg;
    c.Timer1 = &Timer1;
    c.Timer2 = &Timer2;
    c.Timer3 = &Timer3;
    c.Timer4 = &Timer4;
    c.Timer5 = &Timer5;
    c.Timer6 = &Timer6;
    const bool game = engine.rules().status == StatusKind::Game;
    if (game) {
        c.Timer7 = &Timer7;
        c.lv_l = &lv_l;
        c.gold_l = &gold_l;
        c.l2 = &l2;
        for (std::size_t i = 0; i < badges.size(); ++i) c.badges[i] = &badges[i];
        for (std::size_t i = 0; i < toyButtons.size(); ++i) c.toyButtons[i] = &toyButtons[i];
        c.c_b1 = &c_b1;
        c.c_b3 = &c_b3;
        c.c_b4 = &c_b4;
        c.c_b5 = &c_b5;
        c.c_b6 = &c_b6;
        c.star_l = &star_l;
        c.ok_b = &ok_b;
        c.end_b = &end_b;
        c.start_box = &start_box;
        c.help_b = &help_b;
        c.store_b = &store_b;
    }

    Timer1.setInterval(engine.rules().ballTickMs);
    ui::Timer* timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7};
    void (PlayEngine::*handlers[])() = {&PlayEngine::Timer1Timer, &PlayEngine::Timer2Timer, &PlayEngine::Timer3Timer,
                                        &PlayEngine::Timer4Timer, &PlayEngine::Timer5Timer, &PlayEngine::Timer6Timer,
                                        &PlayEngine::Timer7Timer};
    for (int i = 0; i < (game ? 7 : 6); ++i) {
        timers[i]->onTimer = [this, h = handlers[i]] { (engine.*h)(); };
        form.addTimer(*timers[i]);
    }
    clearField(main_box);
    resetRun();
}

void HeadlessPlay::resetRun() {
    tmy& my = state.my;
    my.score = 0;
    my.maxCombo = 1;
    my.maxHp = 99;
    my.mhpQuota = 50;
    my.hp = 10;
    my.mhp = 0;
    my.combo = 1;
    my.timeLeft = 500;
    my.money = 0;
    my.barHalfWidth = 1;
    my.barX = 2;
    my.barRow = kBarRow;
    const bool game = engine.rules().status == StatusKind::Game;
    my.stageNo = game ? 0 : -1;
    my.stagesCleared = game ? -1 : 0;
    state.courseNo = game ? 1 : 0;
    state.lastStageNo = game ? 10 : 0;  // course 1 has stages 0..10
    state.effectTicks = 0;
}

void HeadlessPlay::beginStage(const BlockGrid& grid, std::string title, std::string author) {
    tmy& my = state.my;
    state.blockGrid = grid;
    state.stageTitle = std::move(title);
    state.stageAuthor = std::move(author);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&ok_b, &end_b, &start_box, &help_b, &store_b})
        c->hide();
    Timer1.stop();
    Timer2.start();
    engine.placeBar();
    engine.drawBlocks();
    my.ballX = kStartColumn;
    my.ballY = kStartRow;
    resetTrail(my);
    engine.drawServeBall();
    state.ballDX = 0;
    state.ballDY = -1;
    play_l.setCaption("");
    play_l.show();
    try_b.show();
}

void HeadlessPlay::serveFrom(int col) {
    moveTo(kCellWidth * (col - 1));
    leftClick();
}

}  // namespace engine
