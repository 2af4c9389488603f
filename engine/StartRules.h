// How the game and the user-stage player start a run and a stage; one engine routine serves both.
#pragma once

#include <cstdint>

#include "base/Translation.h"
#include "engine/GameConstants.h"

namespace engine {

struct StartRules {
    std::int32_t runTime = kCourseStartTime;  // time units at a run's start
    // A run through a course: the max combo, the cleared stages and the time gift start anew, and the lives
    // and the moon come from the course's save file. Otherwise a run has kFreshLives and no moon.
    bool courseRun = true;
    // The ready click: its sound, the ready, help and toy-shop buttons hidden, the next stage of the course.
    // Otherwise a stage start ends a pause first.
    bool readyClick = true;
    // Each stage is a run of its own: after the stage is put in play the run starts anew, the effects end and
    // the status tick starts.
    bool runPerStage = false;
    // The field is painted as read before the bar is placed, and the bar goes under the ball.
    bool barUnderBall = false;
    bool resetsTrail = true;      // the trail starts on the serve cell
    bool emptiesBeatLine = true;  // play_l emptied and shown
    bool opaqueBanner = true;     // the banner's two lines lose their transparency
    bool addsTimeGift = true;     // the last CLEAR's time gift is added to the time left
    bool logsAuthor = true;       // the log names the author after the title
    // The banner's second line, %1 the author; then what a stage file without a title or an author shows.
    // All three are translated where they are used.
    const char* byLine = QT_TRANSLATE_NOOP("Effects", "by %1");
    const char* defaultTitle = "";
    const char* defaultAuthor = "";
};

}  // namespace engine
