// First run with the saves outside the program's folder.
#include "game/SaveFolder.h"

namespace game {

void prepareSaveFolder(const ui::Services& services) {
    if (services.dataDir == services.programDir) return;
}

}  // namespace game
