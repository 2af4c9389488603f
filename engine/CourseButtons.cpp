// Course buttons by the unlock table.
#include "engine/CourseButtons.h"

#include "engine/ControlAccess.h"

namespace engine {

void showOpenCourses(const CourseButtons& b, const tmy& my) {
    for (int n = 1; n <= kCourseCount; ++n) {
        const bool alwaysOpen = kCourseUnlockClears[n - 1] == 0 && n != 1;
        if (!alwaysOpen) setShown(b.byCourse[n - 1], courseOpen(n, my.clearCount, my.course3Cleared));
    }
    setShown(b.star, courseOpen(kCourseOpenedByCourse3, my.clearCount, my.course3Cleared));
}

}  // namespace engine
