// What a window needs of its platform: clock, dialogs, random numbers, the handler dispatcher and its folder.
#pragma once

#include <functional>
#include <string>

#include "ui/core/Clock.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/Random.h"

namespace ui {

struct Services {
    Clock& clock;
    Dialogs& dialogs;
    Random& random;
    Dispatcher& dispatcher;
    std::string programDir;  // folder of the program file, with a trailing '/'
    // Queues a function to run on the UI thread (from any thread), e.g. for audio notifications.
    std::function<void(std::function<void()>)> postToUi;
};

}  // namespace ui
