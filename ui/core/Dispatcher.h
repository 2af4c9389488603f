// Runs every handler and timer tick: an error that escapes is shown in the error box, and the program goes
// on.
#pragma once

#include <functional>

#include "ui/core/Dialogs.h"

namespace ui {

class Dispatcher {
  public:
    explicit Dispatcher(Dialogs& dialogs) : dialogs_(dialogs) {}
    // Runs handler to its end; an exception ends it there and is reported as "<message>.".
    void run(const std::function<void()>& handler) noexcept;

  private:
    Dialogs& dialogs_;
};

}  // namespace ui
