// The editor as a desktop uses it: a stage file named on the command line, and test play in the stage player.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "MakerFixture.h"
#include "engine/StageFile.h"
#include "maker/TestPlayFile.h"

namespace makertest {
namespace {

std::set<fs::path> filesUnder(const fs::path& root) {
    std::set<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(root)) out.insert(e.path());
    return out;
}

struct Started {
    std::string program;
    std::vector<std::string> arguments;
};

class MakerDesktopTest : public MakerTest {
  protected:
    void SetUp() override {
        MakerTest::SetUp();
        platform.services().startProgram = [this](const std::string& program,
                                                  const std::vector<std::string>& a) {
            // The stage as the player will read it, while the editor still lives.
            engine::BlockGrid g;
            std::string title, author;
            engine::loadStageFile(a.at(0), g, title, author);
            started.push_back({program, a});
            startedGrids.push_back(g);
            startedTitles.push_back(title);
        };
    }
    bool key(int k) { return platform.key(w.form, {k, false, false, false, false}); }

    std::vector<Started> started;
    std::vector<engine::BlockGrid> startedGrids;
    std::vector<std::string> startedTitles;
    static constexpr int kF5 = ui::keys::F1 + 4;
};

TEST_F(MakerDesktopTest, StageFromTheCommandLineLoadsAsTheLoadButtonWould) {
    engine::BlockGrid g;
    g.set(3, 4, engine::Bomb);
    g.set(50, 50, 7);  // outside the field: kept
    const fs::path file = dir.path / "elsewhere.usr";
    engine::saveStageFile(file.string(), g, "TITLE", "AUTHOR");
    w.loadStageAtStart(file.string());
    platform.drainPosted();
    EXPECT_TRUE(platform.dialogs.errors.empty());
    EXPECT_TRUE(platform.dialogs.openRequests.empty());
    EXPECT_EQ(w.blockGrid, g);
    EXPECT_EQ(w.stageFileName, file.string());
    EXPECT_EQ(w.name_l.text(), "TITLE");
    EXPECT_EQ(w.name_l2.text(), "AUTHOR");
    EXPECT_FALSE(w.unsaved());
    // Saving proposes the file's name, as after a load.
    platform.dialogs.saveAnswers.push_back(std::nullopt);
    click(w.BitBtn4);
    ASSERT_EQ(platform.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(platform.dialogs.saveRequests[0].fileName, "elsewhere.usr");
}

TEST_F(MakerDesktopTest, UnreadableStageFromTheCommandLineShowsTheError) {
    w.loadStageAtStart((dir.path / "missing.usr").string());
    platform.drainPosted();
    EXPECT_EQ(platform.dialogs.errors, std::vector<std::string>{"ﾌｧｲﾙが見つかりません."});
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
    paintAt(10, 10);  // the window goes on
    EXPECT_EQ(w.blockGrid.at(1, 1), engine::Empty);
    EXPECT_TRUE(platform.dialogs.errors.size() == 1u);
}

// F5 and the strip's button: the design as it is now, unsaved, goes to the player beside the editor through a
// file outside the program's folders; the editor's own state and files stay as they were.
TEST_F(MakerDesktopTest, TestPlayHandsTheDesignToThePlayerBesideTheEditor) {
    w.List_box.setItemIndex(engine::White);
    paintAt(45, 25);  // cell (2, 2)
    platform.handle([&] { w.name_l.userEdited("TRY"); });
    const auto before = filesUnder(dir.path);
    const maker::Design design = w.design();
    EXPECT_TRUE(key(kF5));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, dir.path.string() + "/zorban_runner");
    ASSERT_EQ(started[0].arguments.size(), 1u);
    const fs::path file = started[0].arguments[0];
    EXPECT_EQ(file.extension(), ".usr");
    EXPECT_NE(file.string().rfind(dir.path.string(), 0), 0u) << "outside the program's folders";
    EXPECT_EQ(startedGrids[0], design.grid);
    EXPECT_EQ(startedTitles[0], "TRY");
    EXPECT_EQ(filesUnder(dir.path), before);
    EXPECT_EQ(w.stageFileName, "");
    EXPECT_TRUE(w.unsaved());
    EXPECT_TRUE(platform.dialogs.saveRequests.empty());

    // Again with the button, after a change: the same file, now with the new design.
    paintAt(85, 25);
    click(w.testPlay_b);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1].arguments[0], file.string());
    EXPECT_EQ(startedGrids[1].at(3, 2), engine::White);
    EXPECT_TRUE(platform.dialogs.errors.empty());
    EXPECT_EQ(w.testPlay_b.hint(), "テストプレイ (F5)");
}

TEST_F(MakerDesktopTest, AHeldF5StartsOnePlayer) {
    EXPECT_TRUE(platform.key(w.form, {kF5, false, false, false, true}));
    EXPECT_TRUE(started.empty());
    EXPECT_FALSE(platform.key(w.form, {kF5, true, false, false, false})) << "Ctrl+F5 is not test play";
}

TEST_F(MakerDesktopTest, APlayerThatCannotStartShowsTheError) {
    platform.services().startProgram = [](const std::string& program, const std::vector<std::string>&) {
        throw std::runtime_error(program + " を起動できませんでした");
    };
    key(kF5);
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_NE(platform.dialogs.errors[0].find("zorban_runner"), std::string::npos);
}

TEST(TestPlayFile, LivesInAPrivateFolderRemovedWithIt) {
    ScratchDir base;
    fs::path folder;
    {
        maker::TestPlayFile f;
        maker::Design d;
        d.grid.set(1, 1, engine::Wall);
        d.title = "T";
        const fs::path path = f.write(d, base.path.string());
        folder = path.parent_path();
        EXPECT_EQ(folder.parent_path(), base.path);
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
        engine::BlockGrid g;
        std::string title, author;
        engine::loadStageFile(path.string(), g, title, author);
        EXPECT_EQ(g, d.grid);
        EXPECT_EQ(f.write(d, base.path.string()), path.string()) << "one file, replaced";
    }
    EXPECT_FALSE(fs::exists(folder));
}

// A runtime folder that takes no new files (read-only, or no folder for files at all) leaves the system's
// temporary folder to test play.
TEST(TestPlayFile, ARuntimeFolderThatTakesNoFilesFallsBackToTheTemporaryFolder) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/proc", 1);
    fs::path folder;
    {
        maker::TestPlayFile f;
        EXPECT_NO_THROW(folder = fs::path(f.write({})).parent_path());
        EXPECT_EQ(folder.parent_path(), fs::temp_directory_path());
    }
    EXPECT_FALSE(fs::exists(folder));
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace makertest
