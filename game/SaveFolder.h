// The folder for saves outside the program's folder: made on first run with the initial save files.
#pragma once

#include "ui/core/Services.h"

namespace game {

// When services.dataDir is not the program's folder, gives it what a fresh game folder has: a dat/ folder
// with the initial save files that the program's folder holds, copying none over a file that exists.
// Failures are left for the window to report when it reads or writes the saves.
void prepareSaveFolder(const ui::Services& services);

}  // namespace game
