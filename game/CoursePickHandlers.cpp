// The start panel's course buttons and their hints, and the start of each stage (ok_b).
#include "engine/RunStart.h"
#include "game/CourseFlow.h"
#include "game/TForm1.h"

namespace game {

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

}  // namespace game
