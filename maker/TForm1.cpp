// The editor window's behaviour: painting with the mouse, the title and author fields, load, save and clear.
#include "maker/TForm1.h"

#include <filesystem>
#include <system_error>

#include "base/Translation.h"
#include "engine/FieldPainter.h"
#include "engine/PatternKey.h"
#include "engine/StageFile.h"

namespace maker {

TForm1::TForm1(ui::Services& services) : services_(services) {
    layout();
    wire();
}

void TForm1::wire() {
    form.onCreate = [this] { FormCreate(); };
    main_box.onMouseMove = [this](const ui::MouseEvent& e) { main_boxMouseMove(e); };
    main_box.onMouseDown = [this](const ui::MouseEvent& e) { main_boxMouseDown(e); };
    main_box.onMouseUp = [this](const ui::MouseEvent& e) { main_boxMouseUp(e); };
    main_box.onKeyDown = [this](const ui::KeyEvent& e) { return main_boxKeyDown(e); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Timer2.onTimer = [this] { Timer2Timer(); };
    // Between strokes and while the file's name stands, their ticks have nothing to do.
    Timer1.nothingToDo = [this] { return !painting; };
    Timer2.nothingToDo = [this] { return stage_n_l.caption() == stageFileName; };
    name_l.onChange = [this] { name_lChange(); };
    name_l.onEnter = [this] { name_lEnter(); };
    name_l2.onChange = [this] { name_l2Change(); };
    name_l2.onEnter = [this] { name_l2Enter(); };
    BitBtn3.onClick = [this] { BitBtn3Click(); };
    BitBtn4.onClick = [this] { BitBtn4Click(); };
    BitBtn2.onClick = [this] { BitBtn2Click(); };
    wireComforts();
    // The field stays blank until its first redraw, patterns or not.
    ui::addChoiceKey(form, services_.settings, engine::patternKey([this](bool on) {
                         patterns = on;
                         if (!main_box.picture().empty()) drawField();
                     }));
}

void TForm1::FormCreate() {
    // Stages are kept in the dat folder beside the program; an installed, read-only program keeps the
    // player's own in the dat folder of the per-user data folder, where saving works.
    const std::string datDir = (services_.dataDir.empty() ? services_.programDir : services_.dataDir) + "dat";
    load_box.initialDir = datDir;
    save_box.initialDir = datDir;
}

// The image keeps the pointer while a button is held, so X and Y may lie outside it, even far
// outside; division truncates toward zero, so up to one cell left of or above the image still maps
// to column or row 1.
void TForm1::main_boxMouseMove(const ui::MouseEvent& e) {
    cursorCol = e.x / engine::kCellWidth + 1;
    cursorRow = e.y / engine::kCellHeight + 1;
}

void TForm1::main_boxMouseDown(const ui::MouseEvent&) {
    if (!painting) reopenStroke();
    painting = true;
}

void TForm1::main_boxMouseUp(const ui::MouseEvent&) {
    painting = false;
    closeStroke();
}

void TForm1::Timer1Timer() {
    if (!painting) return;
    // The two empty entries stand for codes that are not painted by hand (deadly cell, bar).
    if (List_box.itemIndex() == -1) List_box.setItemIndex(engine::Empty);
    if (List_box.itemIndex() == engine::Deadly) List_box.setItemIndex(engine::Empty);
    if (List_box.itemIndex() == engine::Bar) List_box.setItemIndex(engine::Empty);
    // A pointer dragged past the margins maps outside the grid: the grid ignores such cells.
    blockGrid.set(cursorCol, cursorRow, List_box.itemIndex());
    drawField();
}

void TForm1::Timer2Timer() {
    stage_n_l.setCaption(stageFileName);
}

void TForm1::name_lChange() {
    stageTitle = name_l.text();
}

void TForm1::name_lEnter() {
    stageTitle = name_l.text();
}

void TForm1::name_l2Change() {
    stageAuthor = name_l2.text();
}

void TForm1::name_l2Enter() {
    stageAuthor = name_l2.text();
}

// Load: a failure leaves the cells read so far, and title, author, fields and image as they were; an
// undo gives back the design from before. Unsaved changes are asked about once a file is chosen.
void TForm1::BitBtn3Click() {
    const auto chosen = services_.dialogs.openFile(load_box);
    if (!chosen) return;
    if (!chosen->empty() && unsaved() &&
        !services_.dialogs.confirm(base::translateData("Maker", kDiscardQuestion)))
        return;
    stageFileName = *chosen;
    if (stageFileName.empty()) return;
    loadStage();
}

void TForm1::loadStageAtStart(const std::string& path) {
    std::error_code ec;  // without a working folder the name stays as given, and the load reports it
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    services_.postToUi([this, file = ec ? path : full.string()] {
        stageFileName = file;
        loadStage();
    });
}

void TForm1::loadStage() {
    step(true, [this] {
        engine::loadStageFile(stageFileName, blockGrid, stageTitle, stageAuthor);
        name_l.setText(stageTitle);
        name_l2.setText(stageAuthor);
        drawField();
    });
    savedDesign = design();
}

// Save: the file is replaced only once it is written whole, so a failed save keeps the old one.
void TForm1::BitBtn4Click() {
    save_box.fileName = std::filesystem::path(stageFileName).filename().string();
    const auto chosen = services_.dialogs.saveFile(save_box);
    if (!chosen) return;
    stageFileName = *chosen;
    if (stageFileName.empty()) return;
    engine::saveStageFile(stageFileName, blockGrid, stageTitle, stageAuthor);
    savedDesign = design();
}

// Clear the design: title, author and file name stay, so the next save proposes the same file.
void TForm1::BitBtn2Click() {
    if (!services_.dialogs.confirm(base::translateData("Maker", kClearQuestion))) return;
    step(false, [this] {
        engine::clearField(main_box);
        blockGrid.clear();
    });
}

}  // namespace maker
