// A fixed-size main window: client area, caption, application title, colours, controls and timers.
#pragma once

#include <string>
#include <vector>
#include <functional>

#include "ui/core/Colour.h"
#include "ui/core/Control.h"
#include "ui/core/Font.h"
#include "ui/core/Timer.h"

namespace ui {

class Form : public Control {
public:
    Form(std::string name, int clientWidth, int clientHeight) : Control(std::move(name), {0, 0, clientWidth, clientHeight}) {}

    std::string caption;       // window caption
    std::string appTitle;      // task bar and message-box caption
    Colour background = colours::Silver;
    Font defaultFont;          // "ＭＳ Ｐゴシック" 12 px unless set
    bool dialogFrame = true;   // fixed size, close box only

    void addTimer(Timer& t) { timers_.push_back(&t); }
    const std::vector<Timer*>& timers() const { return timers_; }

    // Called before the window closes (after the user asked); false keeps it open.
    std::function<bool()> onCloseQuery;
    std::function<void()> onClose;
    // Run once after the window and its controls exist, before it is shown; and when it is destroyed.
    std::function<void()> onCreate;
    std::function<void()> onDestroy;

private:
    std::vector<Timer*> timers_;
};

}  // namespace ui
