// Picking a course, starting its stages, the hints of the start panel, the help panel and the maintenance
// buttons.
#include "engine/PlayEngine.h"
#include "engine/RunStart.h"
#include "engine/SoundFiles.h"
#include "engine/StageFile.h"
#include "game/CourseFlow.h"
#include "game/TForm1.h"

namespace game {
namespace {

constexpr int kHelpTrackMax = 56;             // the hidden track bar's maximum and position once help opens
constexpr int kRankLeft = 32, kRankTop = 24;  // the ranking page inside the help panel

}  // namespace

void TForm1::selectCourse(std::uint8_t n) {
    courses_->select(n);
}

void TForm1::startCourse() {
    courses_->startRun();
}

void TForm1::showCourseHint(std::uint8_t n) {
    courses_->showHint(n);
}

void TForm1::Label29MouseMove() {
    courses_->clearHint();
}

void TForm1::ok_bClick() {
    engine::beginStage(*engine_, [this] { return stagePath(); });
}

void TForm1::help_bClick() {
    help_box.moveTo(0, 0);
    help_box.show();
    engine_->playSound0(engine::sounds::kButton);
    main_sp_l.setRange(main_sp_l.minimum(), kHelpTrackMax);
    main_sp_l.setPosition(kHelpTrackMax);
}

void TForm1::Button3Click() {
    engine_->playSound0(engine::sounds::kBack);
    help_box.hide();
    Timer1.setInterval(engine_->rules().ballTickMs);
    saveCommonData();
}

void TForm1::Button4Click() {
    engine_->playSound0(engine::sounds::kBack);
    rank_box.moveTo(kRankLeft, kRankTop);
    rank_box.show();
}

void TForm1::Button48Click() {
    engine_->playSound0(engine::sounds::kBack);
    rank_box.hide();
}

void TForm1::BitBtn3Click() {
    engine::loadStageFile(stagePath(), state.blockGrid, state.stageTitle, state.stageAuthor);
}

void TForm1::Button5Click() {
    for (int col = 1; col <= engine::kFieldCols; ++col)
        for (int row = 1; row <= engine::kFieldRows; ++row) state.blockGrid.set(col, row, engine::Empty);
}

}  // namespace game
