// The editor's comforts: undo and redo, the question before unsaved changes are discarded, mirroring
// and shifting the field, keyboard shortcuts, and the check that plays the field with the solver.
#include <stdexcept>
#include <string>
#include <utility>

#include "base/Translation.h"
#include "engine/FieldPainter.h"
#include "maker/CheckReport.h"
#include "maker/FieldTransform.h"
#include "maker/TForm1.h"

namespace maker {
namespace {

constexpr const char* kRunnerProgram = "zorban_runner";  // beside the editor
constexpr std::int64_t kTestPlayReadMs = 5000;           // time a player takes at most to read its stage
constexpr int kTestPlayKey = ui::keys::F1 + 4;           // F5

}  // namespace

void TForm1::wireComforts() {
    undo_b.onClick = [this] { undo_bClick(); };
    redo_b.onClick = [this] { redo_bClick(); };
    flipCols_b.onClick = [this] { flipCols_bClick(); };
    flipRows_b.onClick = [this] { flipRows_bClick(); };
    shiftLeft_b.onClick = [this] { shiftField_bClick(-1, 0); };
    shiftRight_b.onClick = [this] { shiftField_bClick(1, 0); };
    shiftUp_b.onClick = [this] { shiftField_bClick(0, -1); };
    shiftDown_b.onClick = [this] { shiftField_bClick(0, 1); };
    check_b.onClick = [this] { check_bClick(); };
    testPlay_b.onClick = [this] { testPlay_bClick(); };
    checkTimer.onTimer = [this] { checkTimerTimer(); };
    form.addKeyHandler([this](const ui::KeyEvent& e) { return FormKeyDown(e); });
    form.onCloseQuery = [this] { return FormCloseQuery(); };
    form.onDestroy = [this] {
        // A player started a moment ago may not have read its stage yet: the files go once it has had the
        // time to (the window is closed by now; only the process waits).
        if (testPlayStartedMs_ < 0) return;
        const std::int64_t waited = services_.clock.nowMs() - testPlayStartedMs_;
        if (waited >= 0 && waited < kTestPlayReadMs)
            services_.clock.sleepMs(static_cast<int>(kTestPlayReadMs - waited));
    };
    updateHistoryButtons();
    wireVerdict();
}

Design TForm1::design() const {
    return {blockGrid, stageTitle, stageAuthor};
}

bool TForm1::unsaved() const {
    const Design d = design();
    return d != savedDesign && !d.blank();
}

void TForm1::show(const Design& d) {
    blockGrid = d.grid;
    stageTitle = d.title;
    stageAuthor = d.author;
    name_l.setText(stageTitle);
    name_l2.setText(stageAuthor);
    drawField();
}

void TForm1::step(bool withTexts, const std::function<void()>& change) {
    closeStroke();
    const Design before = design();
    try {
        change();
    } catch (...) {
        noteStep(before, withTexts);
        throw;
    }
    noteStep(before, withTexts);
}

void TForm1::noteStep(const Design& before, bool withTexts) {
    if (design() != before) history.record(before, withTexts);
    if (blockGrid != before.grid) recheck();
    updateHistoryButtons();
    if (painting) reopenStroke();
}

void TForm1::reopenStroke() {
    strokeStart_ = design();
    strokeOpen_ = true;
}

void TForm1::closeStroke() {
    if (!strokeOpen_) return;
    strokeOpen_ = false;
    // Only the grid: what was typed during the stroke is not part of it.
    if (blockGrid != strokeStart_.grid) {
        history.record(strokeStart_, false);
        updateHistoryButtons();
        recheck();
    }
}

void TForm1::updateHistoryButtons() {
    undo_b.setEnabled(history.undoSteps() > 0);
    redo_b.setEnabled(history.redoSteps() > 0);
}

void TForm1::undo_bClick() {
    travel(&EditHistory::undo);
}

void TForm1::redo_bClick() {
    travel(&EditHistory::redo);
}

void TForm1::travel(bool (EditHistory::*move)(Design&)) {
    closeStroke();
    Design d = design();
    if ((history.*move)(d)) {
        show(d);
        recheck();
    }
    updateHistoryButtons();
    if (painting) reopenStroke();
}

void TForm1::flipCols_bClick() {
    step(false, [this] {
        mirrorColumns(blockGrid);
        drawField();
    });
}

void TForm1::flipRows_bClick() {
    step(false, [this] {
        mirrorRows(blockGrid);
        drawField();
    });
}

void TForm1::shiftField_bClick(int cols, int rows) {
    step(false, [this, cols, rows] {
        shiftField(blockGrid, cols, rows);
        drawField();
    });
}

// The check plays a copy of the field as it is now; the result comes by checkTimer.
void TForm1::check_bClick() {
    if (!check_.start({blockGrid, stageTitle, stageAuthor})) return;
    check_b.setEnabled(false);
    checkTimer.start();
}

void TForm1::checkTimerTimer() {
    auto result = check_.takeResult();
    if (!result) return;
    checkTimer.stop();
    check_b.setEnabled(true);
    services_.dialogs.message(checkMessage(*result));
}

void TForm1::testPlay_bClick() {
    playInRunner(testPlayFile_, false);
}

void TForm1::playInRunner(TestPlayFile& file, bool demo) {
    if (!services_.startProgram)
        throw std::runtime_error(
            base::fillIn(base::translate("Errors", "%1 を起動できませんでした"), kRunnerProgram));
    const std::string path = file.write(design());
    std::vector<std::string> arguments{path};
    if (demo) arguments.insert(arguments.begin(), "--demo");
    services_.startProgram(services_.programDir + kRunnerProgram, arguments);
    testPlayStartedMs_ = services_.clock.nowMs();
}

bool TForm1::FormCloseQuery() {
    closeStroke();
    return !unsaved() || services_.dialogs.confirm(base::translateData("Maker", kDiscardQuestion));
}

// Ctrl with a letter, or F5; keys a text field takes (its own undo, for one) never come here. Held keys
// repeat only the edits; a dialog is opened, and a player started, once per press.
bool TForm1::FormKeyDown(const ui::KeyEvent& e) {
    if (e.key == kTestPlayKey && !e.ctrl && !e.alt) {
        if (!e.autoRepeat) testPlay_bClick();
        return true;
    }
    if (!e.ctrl || e.alt) return false;
    auto once = [&](void (TForm1::*handler)()) {
        if (!e.autoRepeat) (this->*handler)();
        return true;
    };
    switch (e.key) {
        case 'Z':
            e.shift ? redo_bClick() : undo_bClick();
            return true;
        case 'Y':
            redo_bClick();
            return true;
        case 'R':
            flipCols_bClick();
            return true;
        case 'U':
            flipRows_bClick();
            return true;
        case 'J':
            shiftField_bClick(-1, 0);
            return true;
        case 'L':
            shiftField_bClick(1, 0);
            return true;
        case 'I':
            shiftField_bClick(0, -1);
            return true;
        case 'K':
            shiftField_bClick(0, 1);
            return true;
        case 'O':
            return once(&TForm1::BitBtn3Click);
        case 'S':
            return once(&TForm1::BitBtn4Click);
        case 'N':
            return once(&TForm1::BitBtn2Click);
        case 'T':
            return once(&TForm1::check_bClick);
        default:
            return false;
    }
}

}  // namespace maker
