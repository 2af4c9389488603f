// The start panel's course buttons as the progress opens them: a routine for the shells' course hook.
#pragma once

#include <array>

#include "engine/GameConstants.h"
#include "engine/GameState.h"
#include "ui/core/Control.h"

namespace engine {

struct CourseButtons {
    std::array<ui::Control*, kCourseCount> byCourse{};  // course 1..6 at index 0..5; null: none
    ui::Control* star = nullptr;                        // the star beside course 5's button
};

// Shows the buttons of the courses open to my's progress and hides the others; a button of a course that
// is always open is left as it is.
void showOpenCourses(const CourseButtons& b, const tmy& my);

}  // namespace engine
