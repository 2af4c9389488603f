// The field's redraw, and painting with the keyboard: a cursor cell the arrows move, and Space to paint into
// it through the mouse's handlers, so that every rule of painting (the empty entries, the stroke as one undo
// step) holds.
#include <algorithm>

#include "engine/FieldPainter.h"
#include "maker/TForm1.h"

namespace maker {
namespace {

struct Step {
    int key, cols, rows;
};
constexpr Step kSteps[] = {
    {ui::keys::Left, -1, 0}, {ui::keys::Right, 1, 0}, {ui::keys::Up, 0, -1}, {ui::keys::Down, 0, 1}};

}  // namespace

bool TForm1::main_boxKeyDown(const ui::KeyEvent& e) {
    if (e.ctrl || e.alt) return false;
    if (e.key == ' ') {
        // A click at the cursor's cell; the pointer's cell is the pointer's again afterwards.
        const std::int32_t pointerCol = cursorCol, pointerRow = cursorRow;
        cursorCol = keyCol_;
        cursorRow = keyRow_;
        main_boxMouseDown({});
        Timer1Timer();
        main_boxMouseUp({});
        cursorCol = pointerCol;
        cursorRow = pointerRow;
        return true;
    }
    for (const Step& s : kSteps) {
        if (e.key != s.key) continue;
        keyCol_ = std::clamp(keyCol_ + s.cols, 1, engine::kFieldCols);
        keyRow_ = std::clamp(keyRow_ + s.rows, 1, engine::kFieldRows);
        showKeyCursor();
        return true;
    }
    return false;
}

void TForm1::drawField() {
    engine::drawEditorGrid(main_box, blockGrid, patterns);
}

void TForm1::showKeyCursor() {
    main_box.setFocusBox(
        {engine::cellLeft(keyCol_), engine::cellTop(keyRow_), engine::kCellWidth, engine::kCellHeight});
}

}  // namespace maker
