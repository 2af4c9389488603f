// The start of a run and of a stage.
#include "engine/RunStart.h"

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/FieldPainter.h"
#include "engine/PlayEngine.h"
#include "engine/StageFile.h"

namespace engine {
namespace {

constexpr const char* kLogIndent = "                  ";  // eighteen blanks: the title scrolls in

}  // namespace

void startRun(GameState& state, const Rules& rules) {
    const StartRules& r = rules.start;
    tmy& my = state.my;
    my.score = 0;
    my.maxHp = kMaxLives;
    my.mhpQuota = kMhpQuota;
    my.stageNo = -1;
    my.mhp = 0;
    my.barHalfWidth = 1;
    my.barX = kStartBarX;
    my.barRow = kBarRow;
    my.combo = 1;
    my.timeLeft = r.runTime;
    if (r.courseRun) {
        my.maxCombo = 1;
        my.stagesCleared = state.lastStageNo;
        state.timePresent = 0;
    } else {
        my.hp = kFreshLives;
        my.money = 0;
    }
}

void enterStage(PlayEngine& engine) {
    if (!engine.rules().start.readyClick) {
        // A stage chosen while paused starts from the play as it stood: the pause ends first.
        engine.pauseControl().resume();
        return;
    }
    PlayControls& c = engine.controls();
    engine.playSound0("b.wav");
    engine.setPhase(PlayPhase::Loading);
    ++engine.state().my.stageNo;
    setShown(c.help_b, false);
    setShown(c.store_b, false);
}

void putStageInPlay(PlayEngine& engine) {
    const StartRules& r = engine.rules().start;
    GameState& s = engine.state();
    PlayControls& c = engine.controls();
    tmy& my = s.my;
    if (s.stageTitle.empty()) s.stageTitle = base::translateData("Effects", r.defaultTitle);
    if (s.stageAuthor.empty()) s.stageAuthor = base::translateData("Effects", r.defaultAuthor);
    if (r.barUnderBall) engine.drawBlocks();
    std::string line =
        std::string(kLogIndent) + base::fillIn(base::translate("Status", "『%1』"), s.stageTitle);
    if (r.logsAuthor) line += base::fillIn(base::translate("Effects", " by %1"), s.stageAuthor);
    setCaption(c.moji_l, line);
    my.ballX = kServeCol;
    my.ballY = kServeRow;
    if (r.barUnderBall) {
        my.barX = kServeCol;
        my.barRow = kBarRow;
    }
    engine.placeBar();
    engine.drawBlocks();
    if (r.resetsTrail) resetTrail(my);
    engine.drawServeBall();
    s.ballDX = 0;
    s.ballDY = -1;
    setCaption(c.moji_l2, base::fillIn(base::translate("Status", "『%1』"), s.stageTitle));
    setCaption(c.moji_l2a, base::fillIn(base::translateData("Effects", r.byLine), s.stageAuthor));
    if (r.addsTimeGift) my.timeLeft += s.timePresent;
    if (r.emptiesBeatLine) {
        setCaption(c.play_l, "");
        setShown(c.play_l, true);
    }
    // The start prompt; a ball that runs (a stage chosen during play) runs on over the new field.
    engine.setPhase(engine.ballInPlay() ? PlayPhase::ServeInPlay : PlayPhase::Serve);
    if (r.opaqueBanner) {
        setTransparent(c.moji_l2, false);
        setTransparent(c.moji_l2a, false);
    }
    if (r.runPerStage) {
        s.effectTicks = 0;
        startRun(s, engine.rules());
        start(c.Timer2);
    }
}

void beginStage(PlayEngine& engine, const std::function<std::string()>& stagePath) {
    enterStage(engine);
    GameState& s = engine.state();
    loadStageFile(stagePath(), s.blockGrid, s.stageTitle, s.stageAuthor);
    putStageInPlay(engine);
}

}  // namespace engine
