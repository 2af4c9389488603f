// The end of a run: the end button, the end panel with the run's results, and saving on the way back.
#include "engine/PlayEngine.h"
#include "game/CourseTable.h"
#include "game/TForm1.h"

namespace game {

void TForm1::end_bClick() {
    end_b.hide();
    showEndBox();
}

void TForm1::showEndBox() {
    const engine::tmy& my = state.my;
    end_box.show();
    end_corse_l.setCaption(course(state.courseNo).endName);
    end_point_l.setCaption(point_l.caption());
    end_hipoint_l.setCaption(high_l.caption());
    end_combo_l.setCaption(std::to_string(my.maxCombo));
    end_hi_combo_l.setCaption(std::to_string(my.hiMaxCombo));
    end_stage_l.setCaption(std::to_string(my.stageNo + 1) + "/" + std::to_string(state.lastStageNo + 1));
    end_all_l.setCaption(std::to_string(my.clearCount));
    clear_l.setCaption(moji_l2.caption() == "ALL CLEAR!" ? "This Corse All Clear!!" : "");
}

void TForm1::Button10Click() {
    engine_->playSound0("b.wav");
    end_box.hide();
    start_box.show();
    Timer2.start();
    saveCourseData();
}

}  // namespace game
