// The maintenance buttons: the stage file read again into the field, and the field emptied.
#include "engine/StageFile.h"
#include "game/TForm1.h"

namespace game {

void TForm1::BitBtn3Click() {
    engine::loadStageFile(stagePath(), state.blockGrid, state.stageTitle, state.stageAuthor);
}

void TForm1::Button5Click() {
    for (int col = 1; col <= engine::kFieldCols; ++col)
        for (int row = 1; row <= engine::kFieldRows; ++row) state.blockGrid.set(col, row, engine::Empty);
}

}  // namespace game
