// Load, save and clear through the dialogs: round trips, cancels, failures and what they keep.
#include <cerrno>
#include <set>

#include "MakerFixture.h"
#include "base/Cp932.h"
#include "base/TextWriter.h"

namespace makertest {
namespace {

constexpr base::Colour kWhite{255, 255, 255};
constexpr base::Colour kBlack{0, 0, 0};
constexpr base::Colour kDeadlyOutline{174, 0, 0};

// A stage file's bytes: codes column by column, then title and author (UTF-8 here, code page 932 on disk).
std::string stageBytes(const engine::BlockGrid& g, const std::string& title, const std::string& author) {
    std::string s;
    for (int c = 0; c < engine::kGridSize; ++c)
        for (int r = 0; r < engine::kGridSize; ++r) s += std::to_string(g.at(c, r)) + "\r\n";
    return s + base::toCp932(title) + "\r\n" + base::toCp932(author) + "\r\n";
}

// Cells that the list cannot paint and that the field never shows must survive a save unchanged.
engine::BlockGrid unusualGrid() {
    engine::BlockGrid g;
    g.set(1, 1, engine::Deadly);
    g.set(2, 18, engine::Bar);
    g.set(3, 3, 30);
    g.set(4, 4, -7);
    g.set(0, 0, engine::White);
    g.set(11, 21, engine::Ex);
    g.set(99, 99, 2147483647);
    g.set(10, 20, engine::Invisible);
    return g;
}

TEST_F(MakerTest, SaveThenLoadGivesBackTheSameFileByteForByte) {
    w.blockGrid = unusualGrid();
    w.List_box.userSelected(engine::PaleRed);
    paintAt(200, 200);  // cell (6, 11)
    w.name_l.userEdited("ｿﾞﾙﾊﾞﾝ ステージ①");
    w.name_l2.userEdited("ﾅﾏｴ");
    const engine::BlockGrid painted = w.blockGrid;
    ASSERT_EQ(painted.at(6, 11), engine::PaleRed);

    save(dat("first.usr"));
    ASSERT_TRUE(platform.dialogs.errors.empty()) << platform.dialogs.errors.front();
    const std::string first = readBytes(dat("first.usr"));
    EXPECT_EQ(first, stageBytes(painted, "ｿﾞﾙﾊﾞﾝ ステージ①", "ﾅﾏｴ"));

    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);
    w.name_l.userEdited("");
    w.name_l2.userEdited("");
    load(dat("first.usr"));
    EXPECT_EQ(w.blockGrid, painted);
    EXPECT_EQ(w.stageTitle, "ｿﾞﾙﾊﾞﾝ ステージ①");
    EXPECT_EQ(w.name_l.text(), "ｿﾞﾙﾊﾞﾝ ステージ①");
    EXPECT_EQ(w.stageAuthor, "ﾅﾏｴ");
    EXPECT_EQ(w.name_l2.text(), "ﾅﾏｴ");

    save(dat("second.usr"));
    EXPECT_EQ(readBytes(dat("second.usr")), first);
    EXPECT_TRUE(platform.dialogs.errors.empty());
    // The save dialog proposes the last file's name, without its folder.
    ASSERT_EQ(platform.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(platform.dialogs.saveRequests[1].fileName, "first.usr");
    EXPECT_EQ(platform.dialogs.saveRequests[0].fileName, "");
    EXPECT_EQ(platform.dialogs.saveRequests[0].filter,
              "ゾルバンブロックデータ|*.usr|オフィシャルデータ|map*-*.dat|オフィシャルデータ2|map*.dat|ALL "
              "FILES|*.*");
}

TEST_F(MakerTest, LoadShowsTitleAndAuthorWholeAndDrawsTheField) {
    engine::BlockGrid g;
    g.set(1, 1, engine::White);
    g.set(2, 1, engine::Deadly);
    g.set(3, 1, engine::Bar);
    const std::string longTitle =
        "とても長いタイトルで三十バイトを超えています";  // more than the typing limit
    writeBytes(dat("map1-0.dat"), stageBytes(g, longTitle, "作者"));
    load(dat("map1-0.dat"));
    EXPECT_EQ(w.blockGrid, g);
    EXPECT_EQ(w.name_l.text(), longTitle);
    EXPECT_EQ(w.name_l2.text(), "作者");
    EXPECT_EQ(w.stageFileName, dat("map1-0.dat").string());
    EXPECT_EQ(pixel(20, 10), kWhite);
    EXPECT_EQ(pixel(60, 10), kBlack);
    EXPECT_EQ(pixel(40, 0), kDeadlyOutline);  // the deadly cell's outline
    EXPECT_EQ(pixel(100, 10), kWhite);
    EXPECT_EQ(pixel(100, 30), kBlack);  // the bar is one cell tall
    ASSERT_EQ(platform.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(platform.dialogs.openRequests[0].filter,
              "ゾルバンブロックデータ|*.usr|オフィシャルデータ|map*-*.dat|オフィシャルデータ2|map*.dat|all "
              "files|*.*");
}

TEST_F(MakerTest, FileNameLabelFollowsTheChosenFile) {
    platform.advance(kTick);
    EXPECT_EQ(w.stage_n_l.caption(), "");
    save(dat("a.usr"));
    platform.advance(kTick);
    EXPECT_EQ(w.stage_n_l.caption(), dat("a.usr").string());
    load(dat("missing.usr"));
    platform.advance(kTick);
    EXPECT_EQ(w.stage_n_l.caption(), dat("missing.usr").string());
}

TEST_F(MakerTest, CancelledDialogsChangeNothing) {
    w.blockGrid = unusualGrid();
    w.name_l.userEdited("題");
    w.name_l2.userEdited("名");
    w.stageFileName = dat("keep.usr").string();
    const std::uint64_t shown = w.main_box.revision();
    click(w.BitBtn3);
    click(w.BitBtn4);
    EXPECT_EQ(platform.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(platform.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(w.blockGrid, unusualGrid());
    EXPECT_EQ(w.stageTitle, "題");
    EXPECT_EQ(w.stageAuthor, "名");
    EXPECT_EQ(w.stageFileName, dat("keep.usr").string());
    EXPECT_EQ(w.main_box.revision(), shown);
    EXPECT_FALSE(fs::exists(dat("keep.usr")));
    EXPECT_TRUE(platform.dialogs.errors.empty());
}

TEST_F(MakerTest, ClearAsksAndOnYesBlanksOnlyTheDesign) {
    w.List_box.userSelected(engine::White);
    paintAt(10, 10);
    w.blockGrid.set(50, 50, engine::Wall);
    w.name_l.userEdited("題");
    w.name_l2.userEdited("名");
    w.stageFileName = dat("old.usr").string();
    const engine::BlockGrid before = w.blockGrid;
    const std::uint64_t shown = w.main_box.revision();

    platform.dialogs.confirmAnswers.push_back(false);
    click(w.BitBtn2);
    ASSERT_EQ(platform.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(platform.dialogs.confirmations[0], "よろしいですかすか？");
    EXPECT_EQ(w.blockGrid, before);
    EXPECT_EQ(w.main_box.revision(), shown);

    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);
    EXPECT_EQ(w.blockGrid, engine::BlockGrid{});
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 400; x += 7) ASSERT_EQ(pixel(x, y), kBlack) << x << ", " << y;
    EXPECT_EQ(w.stageTitle, "題");
    EXPECT_EQ(w.stageAuthor, "名");
    EXPECT_EQ(w.name_l.text(), "題");
    click(w.BitBtn4);  // cancelled, but it proposes the old name
    EXPECT_EQ(platform.dialogs.saveRequests.back().fileName, "old.usr");
}

// A failed load keeps the cells read so far and everything else as it was.
struct BrokenLoad {
    const char* name;
    int goodLines;      // lines of "3" before the failure; -1: no file at all
    const char* error;  // the error box's text
};

class MakerBrokenLoadTest : public MakerTest, public ::testing::WithParamInterface<BrokenLoad> {};

TEST_P(MakerBrokenLoadTest, KeepsTheCellsReadSoFarAndReportsTheError) {
    const BrokenLoad b = GetParam();
    w.blockGrid.cells.fill(7);
    w.name_l.userEdited("旧題");
    w.name_l2.userEdited("旧名");
    w.List_box.userSelected(engine::Wall);
    paintAt(10, 10);
    const std::uint64_t shown = w.main_box.revision();
    const fs::path p = dat("broken.usr");
    if (b.goodLines >= 0) {
        std::string bytes;
        for (int i = 0; i < b.goodLines; ++i) bytes += "3\r\n";
        writeBytes(p, bytes + "12a\r\n4\r\n");
    }
    platform.dialogs.confirmAnswers.push_back(true);  // discard the unsaved design
    load(p);
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0], b.error);
    const int read = b.goodLines < 0 ? 0 : b.goodLines;
    constexpr int kPainted = 1 * engine::kGridSize + 1;  // cell (1, 1)
    for (int i = 0; i < engine::kGridSize * engine::kGridSize; ++i) {
        const int expected = i < read ? 3 : (i == kPainted ? engine::Wall : 7);
        ASSERT_EQ(w.blockGrid.cells[static_cast<std::size_t>(i)], expected) << "cell " << i;
    }
    EXPECT_EQ(w.stageTitle, "旧題");
    EXPECT_EQ(w.stageAuthor, "旧名");
    EXPECT_EQ(w.name_l.text(), "旧題");
    EXPECT_EQ(w.name_l2.text(), "旧名");
    EXPECT_EQ(w.main_box.revision(), shown);
    EXPECT_EQ(w.stageFileName, p.string());
}

INSTANTIATE_TEST_SUITE_P(Failures, MakerBrokenLoadTest,
                         ::testing::Values(BrokenLoad{"NotANumber", 149, "入力値が数値ではありません."},
                                           BrokenLoad{"FirstLine", 0, "入力値が数値ではありません."},
                                           BrokenLoad{"Missing", -1, "ﾌｧｲﾙが見つかりません."}),
                         [](const auto& info) { return std::string(info.param.name); });

// A failed save reports the error and leaves the file that was there before untouched.
class MakerFailedSaveTest : public MakerTest {
  protected:
    std::string good;
    void SetUp() override {
        MakerTest::SetUp();
        w.blockGrid.set(1, 1, engine::White);
        w.name_l.userEdited("前");
        save(dat("stage.usr"));
        good = readBytes(dat("stage.usr"));
        ASSERT_FALSE(good.empty());
        w.blockGrid.set(1, 1, engine::Blue);
        w.name_l.userEdited("後");
    }
    void TearDown() override { base::TextWriter::setFaultHook({}); }
    void expectOnly(const fs::path& folder, std::initializer_list<std::string> names) {
        std::set<std::string> found, wanted(names);
        for (const auto& e : fs::directory_iterator(folder)) found.insert(e.path().filename().string());
        EXPECT_EQ(found, wanted);
    }
};

TEST_F(MakerFailedSaveTest, DiskFullMidwayKeepsTheOldFile) {
    base::TextWriter::setFaultHook([](base::TextWriter::Step step, int index) {
        return step == base::TextWriter::Step::Write && index == 5000 ? ENOSPC : 0;
    });
    save(dat("stage.usr"));
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0], "ﾃﾞｨｽｸがいっぱいです.");
    EXPECT_EQ(readBytes(dat("stage.usr")), good);
    expectOnly(dir.path / "dat", {"stage.usr"});
    EXPECT_EQ(w.stageFileName, dat("stage.usr").string());
}

TEST_F(MakerFailedSaveTest, MissingFolderReportsABadFileName) {
    save(dir.path / "nowhere" / "stage.usr");
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0], "不正なﾌｧｲﾙ名です.");
    EXPECT_FALSE(fs::exists(dir.path / "nowhere"));
    EXPECT_EQ(readBytes(dat("stage.usr")), good);
}

TEST_F(MakerFailedSaveTest, ReadOnlyFolderKeepsTheOldFile) {
    // Folder permissions do not bind root: there the refusal the kernel would give is injected.
    if (::geteuid() == 0)
        base::TextWriter::setFaultHook([](base::TextWriter::Step step, int) {
            return step == base::TextWriter::Step::Open ? EACCES : 0;
        });
    fs::permissions(dir.path / "dat", fs::perms::owner_write, fs::perm_options::remove);
    save(dat("stage.usr"));
    fs::permissions(dir.path / "dat", fs::perms::owner_write, fs::perm_options::add);
    ASSERT_EQ(platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(platform.dialogs.errors[0], "ﾌｧｲﾙへのｱｸｾｽが拒否されました.");
    EXPECT_EQ(readBytes(dat("stage.usr")), good);
    expectOnly(dir.path / "dat", {"stage.usr"});
}

}  // namespace
}  // namespace makertest
