// The demo button and F6: the design goes to a temporary stage file outside the player's folders and the
// runner beside the editor is started on it with --demo.
#include "MakerFixture.h"
#include "engine/StageFile.h"

namespace makertest {
namespace {

class MakerDemoTest : public MakerTest {
  protected:
    struct Started {
        std::string program;
        std::vector<std::string> args;
        engine::BlockGrid grid;
        std::string title;
    };
    std::vector<Started> started;

    void SetUp() override {
        MakerTest::SetUp();
        platform.services().startProgram = [this](const std::string& program,
                                                  const std::vector<std::string>& args) {
            // The stage as the runner will read it, while the editor still lives.
            Started s{program, args, {}, {}};
            std::string author;
            engine::loadStageFile(args.back(), s.grid, s.title, author);
            started.push_back(s);
        };
    }
    static constexpr int kF6 = ui::keys::F1 + 5;
};

TEST_F(MakerDemoTest, F6StartsTheRunnersDemoOnACopyOfTheDesign) {
    w.blockGrid.set(5, 3, engine::White);
    platform.handle([&] {
        w.name_l.setText("みせて");
        w.name_l.onChange();
    });
    EXPECT_TRUE(platform.key(w.form, {kF6, false, false, false, false}));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, dir.path.string() + "/zorban_runner");
    ASSERT_EQ(started[0].args.size(), 2u);
    EXPECT_EQ(started[0].args[0], "--demo");
    const fs::path stage = started[0].args[1];
    EXPECT_EQ(started[0].grid, w.blockGrid);
    EXPECT_EQ(started[0].title, "みせて");
    EXPECT_EQ(stage.string().rfind(dir.path.string(), 0), std::string::npos)
        << "outside the player's folders";
    EXPECT_TRUE(fs::is_empty(dir.path / "dat")) << "nothing written among the player's stages";

    EXPECT_TRUE(platform.key(w.form, {kF6, false, false, false, true}));  // held: no second demo
    EXPECT_EQ(started.size(), 1u);
    EXPECT_FALSE(platform.key(w.form, {kF6, true, false, false, false})) << "Ctrl+F6 is not the demo";
}

TEST_F(MakerDemoTest, TheButtonBesideTheVerdictDoesTheSameAndNamesItsKey) {
    EXPECT_EQ(w.demo_b.tooltip(), "解き方を見る (F6)");
    click(w.demo_b);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].args[0], "--demo");
    // Test play and the demo keep a file each: one does not replace the other's.
    platform.key(w.form, {ui::keys::F1 + 4, false, false, false, false});
    ASSERT_EQ(started.size(), 2u);
    ASSERT_EQ(started[1].args.size(), 1u);
    EXPECT_NE(started[1].args[0], started[0].args[1]);
    EXPECT_TRUE(fs::exists(started[0].args[1]));
}

TEST_F(MakerDemoTest, ARunnerThatCannotStartShowsTheError) {
    platform.services().startProgram = [](const std::string& program, const std::vector<std::string>&) {
        throw std::runtime_error(program + " を起動できませんでした");
    };
    click(w.demo_b);
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_NE(platform.dialogs.errors[0].find("zorban_runner"), std::string::npos);
}

}  // namespace
}  // namespace makertest
