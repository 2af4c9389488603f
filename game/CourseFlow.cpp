// Choosing a course and setting up its run.
#include "game/CourseFlow.h"

#include "engine/PlayEngine.h"
#include "game/CourseTable.h"

namespace game {
namespace {

constexpr std::int32_t kCourseMaxHp = 99;
constexpr std::int32_t kMhpQuota = 50;
constexpr std::int32_t kStartBarX = 2;     // column of the bar's centre at a course start
constexpr std::int32_t kCourseTime = 160;  // time units at a course start

}  // namespace

CourseFlow::CourseFlow(engine::GameState& state, engine::PlayEngine& engine, SaveFiles& saves,
                       StartPanel& start, PlayScreen& play)
    : state_(state), engine_(engine), saves_(saves), start_(start), play_(play) {}

void CourseFlow::select(std::uint8_t n) {
    state_.courseNo = n;
    startRun();
    saves_.loadCourse();
}

void CourseFlow::startRun() {
    engine::tmy& my = state_.my;
    start_.start_box.hide();
    my.score = 0;
    my.maxCombo = 1;
    my.maxHp = kCourseMaxHp;
    my.mhpQuota = kMhpQuota;
    my.stageNo = -1;
    my.stagesCleared = state_.lastStageNo;
    my.mhp = 0;
    my.barHalfWidth = 1;
    my.barX = kStartBarX;
    my.barRow = engine::kBarRow;
    my.combo = 1;
    play_.ok_b.show();
    play_.play_l.hide();
    play_.help_b.show();
    if (my.clearCount >= 1) play_.store_b.show();
    play_.moji_l2.setCaption(course(state_.courseNo).banner);
    play_.moji_l2a.setCaption("LOVE THE BEAT!");
    my.timeLeft = kCourseTime;
    state_.timePresent = 0;
    engine_.playSound0("b.wav");
}

void CourseFlow::showHint(std::uint8_t n) {
    start_.hint_l.setCaption(course(n).hint);
    start_.star_l2.setCaption(course(n).rating);
    start_.star_l3.show();
}

void CourseFlow::clearHint() {
    start_.hint_l.setCaption("");
    start_.star_l2.setCaption("");
    start_.star_l3.hide();
}

}  // namespace game
