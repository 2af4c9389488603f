// What a window needs of its platform: clock, dialogs, random numbers, the handler dispatcher and its folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Doorbell.h"
#include "base/Random.h"
#include "base/Settings.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Dispatcher.h"

namespace ui {

struct Services {
    base::Clock& clock;
    Dialogs& dialogs;
    base::Random& random;
    Dispatcher& dispatcher;
    std::string programDir;  // folder of the program file, with a trailing '/'
    // Queues a function to run on the UI thread (from any thread), e.g. for audio notifications.
    std::function<void(std::function<void()>)> postToUi;
    // Folder for the files the program writes (saves, posting files, settings), trailing '/': programDir when
    // that is writable, else the per-user data folder. Empty when there is none that may be trusted (no home
    // folder, or one that another user owns or may write to): saves are then refused with the access error.
    std::string dataDir;
    // The player's remembered choices for this program; the platform always provides them.
    base::Settings* settings = nullptr;
    // Starts another program with the given arguments, not waiting for it; throws when it cannot be started.
    // Left empty where no program may be started (headless tests set their own).
    std::function<void(const std::string& program, const std::vector<std::string>& arguments)> startProgram;
    // Rung by the sound device's thread when blocks have been played; answered on the UI thread by the event
    // loop, in the blocking pause and between the frames of an animation. The platform always provides it.
    base::Doorbell* deviceBell = nullptr;
};

}  // namespace ui
