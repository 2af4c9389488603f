// Undo and redo: one step per stroke, load, clear, mirror or shift; what a step gives back; the bound.
#include "MakerFixture.h"
#include "engine/StageFile.h"
#include "maker/EditHistory.h"

namespace makertest {
namespace {

constexpr base::Colour kWhite{255, 255, 255};
constexpr base::Colour kBlack{0, 0, 0};

// Margins, undrawn codes and the extremes, so a restore that only looks at the field would show.
engine::BlockGrid oddGrid() {
    engine::BlockGrid g;
    g.set(0, 0, 5);
    g.set(3, 3, engine::Deadly);
    g.set(7, 18, engine::Bar);
    g.set(4, 4, -7);
    g.set(99, 99, 2147483647);
    g.set(50, 50, 30);
    return g;
}

class MakerUndoTest : public MakerTest {
  protected:
    bool ctrl(int key, bool shift = false) { return platform.key(w.form, {key, true, shift, false, false}); }
    // A drag along row 5 from column 2 to column 4, then past the right edge into column 11.
    void strokeAlongRow5() {
        move(45, 85);
        press();
        for (int x : {45, 85, 125, 405}) {
            move(x, 85);
            platform.advance(kTick);
        }
        release();
    }
};

TEST_F(MakerUndoTest, AnUndoAfterAStrokeRestoresTheExactGridAndARedoTheStroke) {
    w.blockGrid = oddGrid();
    w.List_box.userSelected(engine::White);
    strokeAlongRow5();
    const engine::BlockGrid painted = w.blockGrid;
    ASSERT_EQ(painted.at(11, 5), engine::White);
    ASSERT_EQ(painted.at(4, 5), engine::White);

    EXPECT_TRUE(ctrl('Z'));
    EXPECT_EQ(w.blockGrid, oddGrid());
    EXPECT_EQ(pixel(100, 90), kBlack) << "the field is redrawn";
    EXPECT_TRUE(ctrl('Y'));
    EXPECT_EQ(w.blockGrid, painted);
    EXPECT_EQ(pixel(100, 90), kWhite);
    ctrl('Z');
    ctrl('Z', true);  // Ctrl+Shift+Z redoes too
    EXPECT_EQ(w.blockGrid, painted);
    EXPECT_FALSE(w.redo_b.enabled());
    EXPECT_TRUE(w.undo_b.enabled());
}

TEST_F(MakerUndoTest, EachStrokeIsOneStepAndAStrokeThatChangesNothingIsNone) {
    EXPECT_FALSE(w.undo_b.enabled());
    w.List_box.userSelected(engine::Blue);
    paintAt(10, 10);
    paintAt(50, 10);
    paintAt(50, 10);  // the same kind again: nothing changed
    EXPECT_EQ(w.history.undoSteps(), 2u);
    click(w.undo_b);
    EXPECT_EQ(w.blockGrid.at(1, 1), engine::Blue);
    EXPECT_EQ(w.blockGrid.at(2, 1), 0);
    click(w.undo_b);
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
    EXPECT_FALSE(w.undo_b.enabled());
    click(w.undo_b);  // nothing left: nothing happens
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
    EXPECT_TRUE(w.redo_b.enabled());
}

TEST_F(MakerUndoTest, ANewEditEndsWhatCouldBeRedone) {
    w.List_box.userSelected(engine::Pink);
    paintAt(10, 10);
    ctrl('Z');
    paintAt(90, 10);
    ctrl('Y');
    EXPECT_EQ(w.blockGrid.at(1, 1), 0);
    EXPECT_EQ(w.blockGrid.at(3, 1), engine::Pink);
}

// An undo while a button is held takes back the stroke so far; the rest of the stroke is a step of its own.
TEST_F(MakerUndoTest, AnUndoDuringAStrokeSplitsIt) {
    w.List_box.userSelected(engine::White);
    move(10, 10);
    press();
    platform.advance(kTick);
    ctrl('Z');
    EXPECT_EQ(w.blockGrid.at(1, 1), 0);
    move(50, 10);
    platform.advance(kTick);
    release();
    EXPECT_EQ(w.blockGrid.at(1, 1), 0);
    EXPECT_EQ(w.blockGrid.at(2, 1), engine::White);
    ctrl('Z');
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
    ctrl('Y');
    EXPECT_EQ(w.blockGrid.at(2, 1), engine::White);
    EXPECT_EQ(w.blockGrid.at(1, 1), 0) << "the rest of the stroke was a new edit: the undone part is gone";
    EXPECT_EQ(w.history.redoSteps(), 0u);
}

TEST_F(MakerUndoTest, UndoingALoadGivesBackGridTitleAndAuthorButTypingStaysOutOfStrokes) {
    w.blockGrid = oddGrid();
    w.name_l.userEdited("前の題");
    w.name_l2.userEdited("前の名");
    engine::BlockGrid g;
    g.set(2, 2, engine::Ex);
    engine::saveStageFile(dat("a.usr").string(), g, "読んだ題", "読んだ名");
    platform.dialogs.confirmAnswers.push_back(true);
    load(dat("a.usr"));
    ASSERT_EQ(w.blockGrid, g);

    ctrl('Z');
    EXPECT_EQ(w.blockGrid, oddGrid());
    EXPECT_EQ(w.stageTitle, "前の題");
    EXPECT_EQ(w.name_l.text(), "前の題");
    EXPECT_EQ(w.stageAuthor, "前の名");
    EXPECT_EQ(w.name_l2.text(), "前の名");
    ctrl('Y');
    EXPECT_EQ(w.stageTitle, "読んだ題");
    EXPECT_EQ(w.name_l2.text(), "読んだ名");

    // A title typed after a stroke survives the stroke's undo.
    w.List_box.userSelected(engine::White);
    paintAt(10, 10);
    w.name_l.userEdited("新しい題");
    ctrl('Z');
    EXPECT_EQ(w.blockGrid, g);
    EXPECT_EQ(w.stageTitle, "新しい題");
}

// A load that fails midway leaves the cells read so far, as it always did; an undo gives the design back.
TEST_F(MakerUndoTest, AFailedLoadCanBeUndone) {
    w.blockGrid = oddGrid();
    writeBytes(dat("bad.usr"), "3\r\n3\r\nx\r\n");
    platform.dialogs.confirmAnswers.push_back(true);
    load(dat("bad.usr"));
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    ASSERT_EQ(w.blockGrid.at(0, 0), 3);
    ctrl('Z');
    EXPECT_EQ(w.blockGrid, oddGrid());
    EXPECT_EQ(w.history.undoSteps(), 0u);

    load(dat("missing.usr"));  // nothing read: no step
    EXPECT_EQ(w.history.undoSteps(), 0u);
}

TEST_F(MakerUndoTest, AClearIsOneStepAndKeepsTheTexts) {
    w.blockGrid = oddGrid();
    w.name_l.userEdited("題");
    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);
    ASSERT_EQ(w.blockGrid, engine::BlockGrid{});
    ctrl('Z');
    EXPECT_EQ(w.blockGrid, oddGrid());
    EXPECT_EQ(w.stageTitle, "題");
}

TEST_F(MakerUndoTest, MirrorsAndShiftsAreStepsThatUndoExactly) {
    w.blockGrid = oddGrid();
    w.blockGrid.set(1, 1, engine::White);
    w.blockGrid.set(10, 20, engine::Heal);
    const engine::BlockGrid start = w.blockGrid;
    for (ui::Button* b :
         {&w.flipCols_b, &w.flipRows_b, &w.shiftLeft_b, &w.shiftRight_b, &w.shiftUp_b, &w.shiftDown_b}) {
        click(*b);
        EXPECT_NE(w.blockGrid, start) << b->name();
        click(w.undo_b);
        EXPECT_EQ(w.blockGrid, start) << b->name();
    }
    EXPECT_EQ(w.history.undoSteps(), 0u);
    EXPECT_EQ(w.history.redoSteps(), 1u);
    click(w.flipCols_b);
    EXPECT_EQ(w.blockGrid.at(10, 1), engine::White);
    EXPECT_EQ(pixel(380, 10), kWhite);
    EXPECT_EQ(w.blockGrid.at(0, 0), 5) << "margins stay";
}

TEST(EditHistoryTest, KeepsTheLastHundredStepsInLittleMemory) {
    maker::EditHistory h;
    maker::Design d;
    for (int i = 0; i < 150; ++i) {
        h.record(d, false);
        d.grid.set(1 + i % engine::kFieldCols, 1 + i / engine::kFieldCols % engine::kFieldRows, 1 + i % 28);
    }
    EXPECT_EQ(h.undoSteps(), maker::EditHistory::kMaxSteps);
    // A field of up to 150 blocks per step: a few kilobytes each, far below a whole grid (40 kB).
    EXPECT_LT(h.bytes(), 100u * 2'000u);
    int undone = 0;
    while (h.undo(d)) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(d.grid.at(1, 6), 0);   // changed by the oldest step kept
    EXPECT_NE(d.grid.at(10, 5), 0);  // changed by the last step forgotten: it stays done
    EXPECT_EQ(h.redoSteps(), 100u);

    // Grids full to the margins are kept whole: a hundred of them stay near 4 MB.
    maker::EditHistory full;
    maker::Design busy;
    busy.grid.cells.fill(7);
    for (int i = 0; i < 120; ++i) full.record(busy, true);
    EXPECT_LT(full.bytes(), 100u * (sizeof(busy.grid) + 1'000u));
    maker::Design back;
    ASSERT_TRUE(full.undo(back));
    EXPECT_EQ(back, busy);
}

}  // namespace
}  // namespace makertest
