// The question before unsaved changes go, the shortcuts and their tooltips, and where the new buttons lie.
#include "MakerFixture.h"
#include "engine/StageFile.h"

namespace makertest {
namespace {

constexpr const char* kDiscard = "変更が保存されていません。破棄しますか？";

class MakerComfortTest : public MakerTest {
  protected:
    bool key(int k, bool ctrl = true, bool alt = false, bool repeat = false) {
        return platform.key(w.form, {k, ctrl, false, alt, repeat});
    }
    bool mayClose() {
        bool may = false;
        platform.handle([&] { may = w.form.onCloseQuery(); });
        return may;
    }
};

TEST_F(MakerComfortTest, ClosingAsksOnlyWhenSomethingUnsavedWouldBeLost) {
    EXPECT_TRUE(mayClose()) << "the blank design at start";
    w.List_box.userSelected(engine::White);
    paintAt(10, 10);
    EXPECT_FALSE(mayClose());  // the scripted answer is No
    ASSERT_EQ(platform.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(platform.dialogs.confirmations[0], kDiscard);
    platform.dialogs.confirmAnswers.push_back(true);
    EXPECT_TRUE(mayClose());

    save(dat("s.usr"));
    EXPECT_TRUE(mayClose());
    w.name_l2.userEdited("作者");  // typing counts as a change
    EXPECT_FALSE(mayClose());
    w.name_l2.userEdited("");  // and typing it back does not
    EXPECT_TRUE(mayClose());
    paintAt(50, 10);
    click(w.undo_b);  // undone back to what was saved
    EXPECT_TRUE(mayClose());
    EXPECT_EQ(platform.dialogs.confirmations.size(), 3u);
}

TEST_F(MakerComfortTest, ALoadAsksOnceAFileIsChosenAndNoKeepsEverything) {
    engine::BlockGrid g;
    g.set(5, 5, engine::Ex);
    engine::saveStageFile(dat("other.usr").string(), g, "他", "人");
    click(w.BitBtn3);  // cancelled dialog, nothing painted: no question
    w.List_box.userSelected(engine::Blue);
    paintAt(10, 10);
    click(w.BitBtn3);  // cancelled dialog: no question either
    EXPECT_TRUE(platform.dialogs.confirmations.empty());

    const engine::BlockGrid painted = w.blockGrid;
    load(dat("other.usr"));  // answered No
    ASSERT_EQ(platform.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(platform.dialogs.confirmations[0], kDiscard);
    EXPECT_EQ(w.blockGrid, painted);
    EXPECT_EQ(w.stageFileName, "");

    platform.dialogs.confirmAnswers.push_back(true);
    load(dat("other.usr"));
    EXPECT_EQ(w.blockGrid, g);
    EXPECT_EQ(w.stageTitle, "他");
    load(dat("other.usr"));  // just loaded: nothing to lose
    EXPECT_EQ(platform.dialogs.confirmations.size(), 2u);
}

// Clearing keeps its own single question, unsaved or not (and can be undone).
TEST_F(MakerComfortTest, ClearingAsksItsOwnQuestionOnly) {
    w.List_box.userSelected(engine::Blue);
    paintAt(10, 10);
    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);
    ASSERT_EQ(platform.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(platform.dialogs.confirmations[0], "よろしいですかすか？");
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
}

TEST_F(MakerComfortTest, ShortcutsPressTheirButtons) {
    EXPECT_TRUE(key('O'));
    EXPECT_EQ(platform.dialogs.openRequests.size(), 1u);
    EXPECT_TRUE(key('S'));
    EXPECT_EQ(platform.dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(key('N'));
    EXPECT_EQ(platform.dialogs.confirmations, std::vector<std::string>{"よろしいですかすか？"});
    // A held key opens no second dialog.
    EXPECT_TRUE(key('O', true, false, true));
    EXPECT_EQ(platform.dialogs.openRequests.size(), 1u);

    w.blockGrid.set(1, 1, engine::White);
    const engine::BlockGrid one = w.blockGrid;
    struct Edit {
        int key;
        int col, row;  // where the block at (1, 1) goes
    };
    for (const Edit e : {Edit{'R', 10, 1}, Edit{'U', 1, 20}, Edit{'J', 10, 1}, Edit{'L', 2, 1},
                         Edit{'I', 1, 20}, Edit{'K', 1, 2}}) {
        w.blockGrid = one;
        EXPECT_TRUE(key(e.key));
        EXPECT_EQ(w.blockGrid.at(e.col, e.row), engine::White) << char(e.key);
        EXPECT_EQ(w.blockGrid.at(1, 1), 0) << char(e.key);
    }

    // Letters without Ctrl, or with Alt, are not the editor's.
    for (int k : {'Z', 'O', 'T'}) EXPECT_FALSE(key(k, false));
    EXPECT_FALSE(key('O', true, true));
    EXPECT_FALSE(key('Q'));
    EXPECT_EQ(platform.dialogs.openRequests.size(), 1u);
}

TEST_F(MakerComfortTest, TooltipsNameTheKeysAndCaptionsStayAsTheyWere) {
    EXPECT_EQ(w.BitBtn3.caption(), "load");
    EXPECT_EQ(w.BitBtn4.caption(), "save");
    EXPECT_EQ(w.BitBtn2.caption(), "デザイン初期化");
    struct Hint {
        const ui::Button* button;
        const char* key;
    };
    for (const Hint h :
         {Hint{&w.BitBtn3, "(Ctrl+O)"}, Hint{&w.BitBtn4, "(Ctrl+S)"}, Hint{&w.BitBtn2, "(Ctrl+N)"},
          Hint{&w.undo_b, "(Ctrl+Z)"}, Hint{&w.redo_b, "(Ctrl+Y)"}, Hint{&w.flipCols_b, "(Ctrl+R)"},
          Hint{&w.flipRows_b, "(Ctrl+U)"}, Hint{&w.shiftLeft_b, "(Ctrl+J)"},
          Hint{&w.shiftRight_b, "(Ctrl+L)"}, Hint{&w.shiftUp_b, "(Ctrl+I)"}, Hint{&w.shiftDown_b, "(Ctrl+K)"},
          Hint{&w.check_b, "(Ctrl+T)"}}) {
        EXPECT_NE(h.button->hint().find(h.key), std::string::npos) << h.button->name();
        EXPECT_EQ(h.button->tooltip(), h.button->hint()) << h.button->name();
    }
}

// The new buttons sit in the window's free corner: inside the client area, on top of no other control.
TEST_F(MakerComfortTest, NewButtonsCoverNoOtherControl) {
    const std::vector<const ui::Control*> added{
        &w.undo_b,    &w.redo_b,      &w.flipCols_b, &w.flipRows_b, &w.shiftLeft_b, &w.shiftRight_b,
        &w.shiftUp_b, &w.shiftDown_b, &w.check_b,    &w.testPlay_b, &w.verdict_l,   &w.demo_b};
    auto overlap = [](ui::Rect a, ui::Rect b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    const auto& all = w.form.children();
    for (const ui::Control* a : added) {
        const ui::Rect r = a->bounds();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= maker::kClientWidth &&
                    r.top + r.height <= maker::kClientHeight)
            << a->name();
        for (const ui::Control* c : all) {
            if (c == a) continue;
            EXPECT_FALSE(overlap(r, c->bounds())) << a->name() << " covers " << c->name();
        }
    }
    EXPECT_EQ(all.size(), 15u + added.size());
    EXPECT_EQ(all[14], &w.Edit1) << "the window's own controls come first, in their order";
}

}  // namespace
}  // namespace makertest
