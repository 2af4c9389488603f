// Choosing a course and setting up its run.
#include "game/CourseFlow.h"

#include "base/Translation.h"
#include "engine/PlayEngine.h"
#include "engine/RunStart.h"
#include "engine/SoundFiles.h"
#include "game/CourseTable.h"

namespace game {
CourseFlow::CourseFlow(engine::GameState& state, engine::PlayEngine& engine, SaveFiles& saves,
                       StartPanel& start, engine::GamePlayScreen& play)
    : state_(state), engine_(engine), saves_(saves), start_(start), play_(play) {}

void CourseFlow::select(std::uint8_t n) {
    state_.courseNo = n;
    startRun();
    saves_.loadCourse();
}

void CourseFlow::startRun() {
    engine::startRun(state_, engine_.rules());
    engine_.setPhase(engine::PlayPhase::CourseReady);
    play_.play_l.hide();
    play_.help_b.show();
    if (state_.my.clearCount >= 1) play_.store_b.show();
    play_.moji_l2.setCaption(base::translateData("Courses", course(state_.courseNo).banner));
    play_.moji_l2a.setCaption(base::translate("Effects", "LOVE THE BEAT!"));
    engine_.playSound0(engine::sounds::kButton);
}

void CourseFlow::showHint(std::uint8_t n) {
    start_.hint_l.setCaption(base::translateData("Courses", course(n).hint));
    start_.star_l2.setCaption(course(n).rating);
    start_.star_l3.show();
}

void CourseFlow::clearHint() {
    start_.hint_l.setCaption("");
    start_.star_l2.setCaption("");
    start_.star_l3.hide();
}

}  // namespace game
