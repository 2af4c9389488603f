// Painting with the mouse: the selected kind, the empty entries, capture past the edges and far outside.
#include <climits>

#include "MakerFixture.h"
#include "engine/FieldPainter.h"

namespace makertest {
namespace {

constexpr base::Colour kWhite{255, 255, 255};
constexpr base::Colour kBlack{0, 0, 0};
constexpr base::Colour kExFill{255, 128, 0};

TEST_F(MakerTest, WindowStartsBlankWithDialogsInDat) {
    EXPECT_TRUE(w.main_box.picture().empty());  // the window background shows until the first redraw
    EXPECT_EQ(w.List_box.itemIndex(), -1);
    EXPECT_EQ(w.load_box.initialDir, dir.path.string() + "/dat");
    EXPECT_EQ(w.save_box.initialDir, dir.path.string() + "/dat");
    // Installed read-only: the dialogs start in the per-user folder.
    ui::HeadlessPlatform installed(dir.path.string() + "/");
    installed.services().dataDir = dir.path.string() + "/user/";
    maker::TForm1 other(installed.services());
    installed.start(other.form);
    EXPECT_EQ(other.load_box.initialDir, dir.path.string() + "/user/dat");
    EXPECT_EQ(other.save_box.initialDir, dir.path.string() + "/user/dat");
    ASSERT_EQ(w.List_box.items().size(), 30u);
    EXPECT_EQ(w.List_box.items()[14], "");
    EXPECT_EQ(w.List_box.items()[26], "");
    EXPECT_EQ(w.List_box.items()[15].size() - w.List_box.items()[15].find_last_not_of(' ') - 1, 26u);
    EXPECT_EQ(w.form.caption.rfind("ゾルバンブロックつくーる　ver2.0", 0), 0u);
    EXPECT_GT(w.form.caption.size(), std::string("ゾルバンブロックつくーる　ver2.0").size());
}

TEST_F(MakerTest, HoldingAButtonPaintsTheSelectedKindEveryTick) {
    w.List_box.userSelected(engine::Ex);
    move(45, 25);  // cell (2, 2)
    platform.advance(kTick);
    EXPECT_EQ(w.blockGrid.at(2, 2), 0) << "no button held";
    press(ui::MouseButton::Right);
    platform.advance(kTick);
    EXPECT_EQ(w.blockGrid.at(2, 2), engine::Ex);
    EXPECT_EQ(pixel(2 * 40 - 20, 2 * 20 - 10), kExFill);
    move(85, 25);  // cell (3, 2), sampled at the next tick
    EXPECT_EQ(w.blockGrid.at(3, 2), 0);
    platform.advance(kTick);
    EXPECT_EQ(w.blockGrid.at(3, 2), engine::Ex);
    release(ui::MouseButton::Middle);  // any button's release ends the stroke
    move(125, 25);
    platform.advance(5 * kTick);
    EXPECT_EQ(w.blockGrid.at(4, 2), 0);
}

TEST_F(MakerTest, APressWithoutMovePaintsTheCellLastMovedOver) {
    w.List_box.userSelected(engine::White);
    move(399, 399);
    move(10, 10);
    press();
    platform.advance(kTick);
    EXPECT_EQ(w.blockGrid.at(1, 1), engine::White);
    EXPECT_EQ(pixel(20, 10), kWhite);
    EXPECT_EQ(w.blockGrid.at(10, 20), 0);
}

TEST_F(MakerTest, NoSelectionAndTheEmptyEntriesPaintEmptyAndSelectEntryZero) {
    for (int selected : {-1, int(engine::Deadly), int(engine::Bar)}) {
        w.blockGrid.set(5, 5, engine::Wall);
        w.List_box.setItemIndex(selected);
        paintAt(4 * 40 + 1, 4 * 20 + 1);
        EXPECT_EQ(w.blockGrid.at(5, 5), engine::Empty) << "selected " << selected;
        EXPECT_EQ(w.List_box.itemIndex(), 0) << "selected " << selected;
        EXPECT_EQ(pixel(4 * 40 + 20, 4 * 20 + 10), kBlack);
    }
}

// Pointer positions while the image holds the pointer; the division truncates toward zero.
struct Drag {
    int x, y;
    int col, row;  // cell written; outside 0..99 means none
};

class MakerDragTest : public MakerTest, public ::testing::WithParamInterface<Drag> {};

TEST_P(MakerDragTest, WritesTheCellUnderThePointerOrNothingOutsideTheGrid) {
    const Drag d = GetParam();
    w.List_box.userSelected(engine::Hard3);
    const engine::BlockGrid before = w.blockGrid;
    paintAt(d.x, d.y);
    engine::BlockGrid expected = before;
    expected.set(d.col, d.row, engine::Hard3);  // ignored outside the grid
    EXPECT_EQ(w.blockGrid, expected) << "pointer " << d.x << ", " << d.y;
    EXPECT_EQ(w.cursorCol, d.col);
    EXPECT_EQ(w.cursorRow, d.row);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndMargins, MakerDragTest,
    ::testing::Values(Drag{399, 399, 10, 20}, Drag{400, 399, 11, 20}, Drag{399, 400, 10, 21},
                      Drag{-39, -19, 1, 1},  // truncation toward zero keeps the first cell
                      Drag{-40, -20, 0, 0},  // then the margin column and row
                      Drag{-79, 100, 0, 6}, Drag{3959, 1979, 99, 99},
                      Drag{-80, 10, -1, 1},  // beyond the margins: nothing is written
                      Drag{10, -40, 1, -1}, Drag{3960, 10, 100, 1}, Drag{10, 1980, 1, 100},
                      Drag{INT_MAX, INT_MIN, INT_MAX / 40 + 1, INT_MIN / 20 + 1}));

TEST_F(MakerTest, MarginCellsArePaintedButNeverDrawn) {
    w.List_box.userSelected(engine::White);
    paintAt(10, 10);
    const base::Bitmap shown = w.main_box.picture();
    paintAt(405, 405);  // column 11, row 21
    EXPECT_EQ(w.blockGrid.at(11, 21), engine::White);
    EXPECT_EQ(
        std::vector<std::uint32_t>(shown.data(), shown.data() + 400 * 400),
        std::vector<std::uint32_t>(w.main_box.picture().data(), w.main_box.picture().data() + 400 * 400));
}

TEST_F(MakerTest, TitleAndAuthorFollowTheirFieldsWithinTheByteLimits) {
    w.name_l.userEdited("ｽﾃｰｼﾞ");
    w.name_l2.userEdited("さくしゃ");
    EXPECT_EQ(w.stageTitle, "ｽﾃｰｼﾞ");
    EXPECT_EQ(w.stageAuthor, "さくしゃ");
    w.name_l.setText("ほか");
    w.name_l.userEntered();
    EXPECT_EQ(w.stageTitle, "ほか");

    EXPECT_TRUE(w.name_l.accepts(std::string(30, 'a')));
    EXPECT_FALSE(w.name_l.accepts(std::string(31, 'a')));
    std::string kana;
    for (int i = 0; i < 30; ++i) kana += "ｱ";  // half-width katakana: one byte each
    EXPECT_TRUE(w.name_l.accepts(kana));
    std::string wide;
    for (int i = 0; i < 20; ++i) wide += "あ";  // two bytes each
    EXPECT_TRUE(w.name_l2.accepts(wide));
    EXPECT_FALSE(w.name_l2.accepts(wide + "a"));
}

}  // namespace
}  // namespace makertest

namespace makertest {
namespace {

// The field by keyboard: the arrows move the cursor cell within the field, which the focus mark shows;
// Space paints the chosen kind there as one undo step (the empty entries as a click would), and the
// pointer's cell stays the pointer's.
TEST_F(MakerTest, KeysMoveACursorAndSpacePaints) {
    auto key = [&](int k) {
        bool taken = false;
        platform.handle([&] { taken = w.main_box.onKeyDown({k}); });
        return taken;
    };
    EXPECT_EQ(w.main_box.focusBox(), (ui::Rect{0, 0, 40, 20}));
    for (int i = 0; i < 12; ++i) key(ui::keys::Right);  // stops at the right wall
    key(ui::keys::Down);
    key(ui::keys::Left);
    EXPECT_EQ(w.keyCol(), 9);
    EXPECT_EQ(w.keyRow(), 2);
    EXPECT_EQ(w.main_box.focusBox(), (ui::Rect{320, 20, 40, 20}));
    move(10, 10);
    w.List_box.userSelected(engine::Blue);
    EXPECT_TRUE(key(' '));
    EXPECT_EQ(w.blockGrid.at(9, 2), engine::Blue);
    EXPECT_EQ(pixel(9 * 40 - 20, 2 * 20 - 10), (base::Colour{128, 255, 255}));
    EXPECT_EQ(w.blockGrid.at(1, 1), 0);
    EXPECT_EQ(w.cursorCol, 1);
    EXPECT_EQ(w.history.undoSteps(), 1u);
    EXPECT_FALSE(w.painting);
    w.List_box.userSelected(engine::Bar);
    key(ui::keys::Up);
    key(' ');
    EXPECT_EQ(w.List_box.itemIndex(), engine::Empty);
    EXPECT_EQ(w.history.undoSteps(), 1u) << "an empty cell painted empty changes nothing";
    EXPECT_FALSE(key('Q'));
    platform.advance(5 * kTick);
    EXPECT_EQ(w.blockGrid.at(1, 1), 0) << "no stroke left open";
}

}  // namespace
}  // namespace makertest
