// The end panel with the run's results, and the posting file.
#include "game/RunEnd.h"

#include "base/TextWriter.h"
#include "base/Translation.h"
#include "engine/ScoreText.h"
#include "game/CourseTable.h"
#include "game/PostingFile.h"

namespace game {

RunEnd::RunEnd(const engine::GameState& state, const SaveFiles& saves, EndPanel& end,
               const engine::GamePlayScreen& play)
    : state_(state), saves_(saves), end_(end), play_(play) {}

void RunEnd::showResults() {
    const engine::tmy& my = state_.my;
    end_.end_corse_l.setCaption(base::translateData("Courses", course(state_.courseNo).endName));
    end_.end_point_l.setCaption(play_.point_l.caption());
    end_.end_hipoint_l.setCaption(play_.high_l.caption());
    end_.end_combo_l.setCaption(base::shownNumber(my.maxCombo));
    end_.end_hi_combo_l.setCaption(base::shownNumber(my.hiMaxCombo));
    end_.end_stage_l.setCaption(std::to_string(my.stageNo + 1) + "/" +
                                std::to_string(state_.lastStageNo + 1));
    end_.end_all_l.setCaption(std::to_string(my.clearCount));
    end_.clear_l.setCaption(play_.moji_l2.caption() == base::translate("Effects", "ALL CLEAR!")
                                ? base::translate("EndPanel", "This Corse All Clear!!")
                                : "");
}

void RunEnd::writePostingFile() {
    base::TextWriter out(saves_.postingPath());
    for (const std::string& line :
         postingLines(state_.courseNo, state_.my, engine::scoreTextOfShown(play_.high_l.caption())))
        out.writeLine(line);
    out.commit();
}

}  // namespace game
