// Start-up, the common and course save files, "初期化" and saves that fail half-way.
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <regex>

#include "WindowFixture.h"
#include "base/TextWriter.h"

namespace gametest {
namespace {

using Lines = std::vector<std::string>;

class SaveDataTest : public WindowFixture {
  protected:
    void SetUp() override {
        folder.writePictures();
        folder.writeCatalogue({"gu-gu", "moon"});
    }
    void TearDown() override { base::TextWriter::setFaultHook(nullptr); }

    Lines zeros(int n) { return Lines(n, "0"); }
};

TEST_F(SaveDataTest, StartUpReadsTheCommonFileAndSetsTheInitialValues) {
    folder.writeCommon(3, 1, 500, {7, 0, 99});
    game::TForm1& w = open();
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(my().clearCount, 3);
    EXPECT_EQ(my().course3Cleared, 1);
    EXPECT_EQ(my().money, 500);
    EXPECT_EQ(my().toyOwned[0], 7);
    EXPECT_EQ(my().toyOwned[2], 99);
    EXPECT_EQ(my().stageNo, -1);
    EXPECT_EQ(my().barRow, 18);
    EXPECT_EQ(w.state.ballDX, 1);
    EXPECT_EQ(w.Timer1.interval(), 56);
    EXPECT_FALSE(w.Timer1.enabled());
    EXPECT_TRUE(w.start_box.visible());
    EXPECT_FALSE(w.end_box.visible());
    EXPECT_EQ(w.end_box.bounds().left, 0);
    EXPECT_EQ(w.end_box.bounds().top, 0);
    EXPECT_EQ(w.load_box.initialDir, folder.programDir() + "dat");
    EXPECT_EQ(w.main_box.picture().colourAt(200, 200), base::colours::Black);
    EXPECT_EQ(w.e1.picture().colourAt(30, 0), base::colours::Black);  // the badge box's outline
}

struct ToyCount {
    std::int32_t stored;
    int loaded;
};
class ToyCountTest : public SaveDataTest, public ::testing::WithParamInterface<ToyCount> {};

TEST_P(ToyCountTest, KeepsTheLowEightBits) {
    folder.writeCommon(0, 0, 0, {0, 0, 0, 0, 0, GetParam().stored});
    open();
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(my().toyOwned[5], GetParam().loaded);
}
INSTANTIATE_TEST_SUITE_P(Counts, ToyCountTest,
                         ::testing::Values(ToyCount{300, 44}, ToyCount{-1, 255}, ToyCount{256, 0},
                                           ToyCount{99, 99}));

TEST_F(SaveDataTest, AMissingHelpPictureStopsStartUpAndTheUnreadFileIsNotOverwritten) {
    std::filesystem::remove(folder.path("cg/usu1.bmp"));
    folder.writeCommon(5, 0, 1234);
    const std::string before = folder.read("dat/my.dat");
    game::TForm1& w = open();
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0], "ﾌｧｲﾙ " + folder.programDir() + "cg/usu1.bmp は開けません.");
    EXPECT_EQ(my().money, 0);
    EXPECT_EQ(w.load_box.initialDir, "");
    run([&] { w.FormClose(); });
    EXPECT_EQ(folder.read("dat/my.dat"), before);
}

TEST_F(SaveDataTest, AMissingCommonFileIsReportedAndWrittenOnClose) {
    game::TForm1& w = open();
    ASSERT_EQ(errors(), Lines{"ﾌｧｲﾙが見つかりません."});
    my().money = 250;
    run([&] { w.FormClose(); });
    Lines expected{"0", "0", "250"};
    for (const auto& z : zeros(513)) expected.push_back(z);
    EXPECT_EQ(folder.lines("dat/my.dat"), expected);
}

// The files moved aside from dat/ ("my.dat.unreadable-YYYYMMDD-HHMMSS").
Lines setAside(const GameFolder& folder, const std::string& name) {
    Lines found;
    for (const auto& e : std::filesystem::directory_iterator(folder.path("dat"))) {
        const std::string n = e.path().filename().string();
        if (n.starts_with(name + ".unreadable-")) found.push_back(n);
    }
    return found;
}

// A malformed save is moved aside, named in the error, and the progress from then on is saved as usual.
TEST_F(SaveDataTest, AMalformedCommonFileIsMovedAsideAndSavingGoesOn) {
    folder.writeLines("dat/my.dat", {"4", "x1", "300"});
    const std::string before = folder.read("dat/my.dat");
    game::TForm1& w = open();
    const Lines aside = setAside(folder, "my.dat");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_TRUE(std::regex_match(aside[0], std::regex(R"(my\.dat\.unreadable-\d{8}-\d{6})"))) << aside[0];
    EXPECT_EQ(folder.read("dat/" + aside[0]), before);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_TRUE(errors()[0].starts_with("入力値が数値ではありません.")) << errors()[0];
    EXPECT_NE(errors()[0].find(folder.path("dat/" + aside[0]).string()), std::string::npos) << errors()[0];
    EXPECT_EQ(my().clearCount, 4);
    EXPECT_EQ(my().money, 0);
    my().money = 70;
    run([&] { w.Button7Click(); });  // "GO HOME" saves the common file
    EXPECT_EQ(folder.lines("dat/my.dat").at(2), "70");
    EXPECT_TRUE(dialogs().messages.empty()) << "named once, in the error";
}

TEST_F(SaveDataTest, AMalformedCourseFileIsMovedAsideAndTheCourseSavedAfresh) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my3.dat", {"memo", "4", "12a", "1", "1"});
    const std::string before = folder.read("dat/my3.dat");
    game::TForm1& w = open();
    run([&] { w.selectCourse(3); });
    const Lines aside = setAside(folder, "my3.dat");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(folder.read("dat/" + aside[0]), before);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0].find(aside[0]), std::string::npos) << errors()[0];
    EXPECT_EQ(my().hp, 10);
    my().hiScore = 4321;
    run([&] { w.saveCourseData(); });
    EXPECT_EQ(folder.lines("dat/my3.dat").at(2), "4321");
    EXPECT_TRUE(dialogs().messages.empty());
}

TEST_F(SaveDataTest, TheCommonFileComesBackAsItWasSaved) {
    folder.writeCommon(0, 0, 0);
    game::TForm1& w = open();
    my().clearCount = 99;
    my().course3Cleared = 1;
    my().money = 99999;
    my().toyOwned[0] = 1;
    my().toyOwned[512] = 255;
    run([&] { w.saveCommonData(); });
    const Lines lines = folder.lines("dat/my.dat");
    ASSERT_EQ(lines.size(), 516u);
    EXPECT_EQ(lines[3], "1");
    EXPECT_EQ(lines[515], "255");
    my() = {};
    run([&] { w.loadCommonData(); });
    EXPECT_EQ(my().clearCount, 99);
    EXPECT_EQ(my().money, 99999);
    EXPECT_EQ(my().toyOwned[512], 255);
}

TEST_F(SaveDataTest, AShortCourseFileLoadsWhatItHasWithoutError) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my2.dat", {"memo", "3", "4567"});
    game::TForm1& w = open();
    my().hiMaxCombo = 77;
    run([&] { w.selectCourse(2); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(my().courseMemo, "memo");
    EXPECT_EQ(my().hiScore, 4567);
    EXPECT_EQ(my().maxHp, 0);
    EXPECT_EQ(my().mhpQuota, 0);
    EXPECT_EQ(my().badgeCombo, 0);
    EXPECT_EQ(my().hiMaxCombo, 0);
    EXPECT_EQ(w.state.toyTable[1].name, "moon");
}

TEST_F(SaveDataTest, ACourseMemoWithBytesTheCodePageLacksReadsTheSameAfterEachSave) {
    // 0xEE 0xEE is no character; 0xEE 0x80 is one that is written back as 0xFB 0x9C.
    folder.writeCommon(0, 0, 0);
    folder.write("dat/my2.dat", "\xEE\xEE\xEE\x80\r\n0\r\n4567\r\n");
    game::TForm1& w = open();
    run([&] { w.selectCourse(2); });
    const std::string memo = my().courseMemo;
    for (int save = 0; save < 2; ++save) {
        run([&] { w.saveCourseData(); });
        run([&] { w.selectCourse(2); });
        EXPECT_EQ(my().courseMemo, memo);
        EXPECT_EQ(my().hiScore, 4567);
    }
    EXPECT_TRUE(errors().empty());
}

TEST_F(SaveDataTest, LinesTwoSixSevenAndEightOfTheCourseFileHaveNoEffect) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my1.dat", {"", "7", "10", "99", "50", "55", "44", "6", "1", "0", "1", "12"});
    game::TForm1& w = open();
    run([&] { w.selectCourse(1); });
    EXPECT_EQ(my().stagesCleared, -1);
    EXPECT_EQ(my().stageNo, -1);
    EXPECT_EQ(my().hp, 10);
    EXPECT_EQ(my().mhp, 0);
    EXPECT_EQ(my().hiScore, 10);
    EXPECT_EQ(my().badgeCombo, 1);
    EXPECT_EQ(my().badgeHp, 1);
    EXPECT_EQ(my().hiMaxCombo, 12);
}

TEST_F(SaveDataTest, AnEmptyLineWhereANumberBelongsShiftsTheRest) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my1.dat", {"", "0", "", "5", "6", "50"});
    game::TForm1& w = open();
    run([&] { w.selectCourse(1); });
    EXPECT_EQ(my().courseMemo, "");
    EXPECT_EQ(my().hiScore, 5);
    EXPECT_EQ(my().maxHp, 6);
    EXPECT_EQ(my().mhpQuota, 50);
}

TEST_F(SaveDataTest, ANonNumberStopsTheCourseLoadWhereItStands) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my3.dat", {"new memo", "4", "12a", "1", "1"});
    game::TForm1& w = open();
    my().hiScore = 800;
    my().hp = 0;  // as a GAME OVER of the run before leaves it
    run([&] { w.selectCourse(3); });
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_TRUE(errors()[0].starts_with("入力値が数値ではありません.")) << errors()[0];
    EXPECT_EQ(my().courseMemo, "new memo");
    EXPECT_EQ(my().stagesCleared, 4);
    EXPECT_EQ(my().hiScore, 0) << "the course played before does not lend its record";
    EXPECT_EQ(my().maxHp, 99);     // from startCourse
    EXPECT_EQ(my().mhpQuota, 50);  // from startCourse
    EXPECT_EQ(my().hp, 10) << "nor its lives";
    EXPECT_EQ(w.state.toyTable[0].name, "");  // catalogue not read
}

TEST_F(SaveDataTest, AMissingCourseFileIsReportedAfterTheCourseIsReady) {
    folder.writeCommon(0, 0, 0);
    game::TForm1& w = open();
    run([&] { w.selectCourse(4); });
    EXPECT_EQ(errors(), Lines{"ﾌｧｲﾙが見つかりません."});
    EXPECT_FALSE(w.start_box.visible());
    EXPECT_TRUE(w.ok_b.visible());
    EXPECT_EQ(my().maxHp, 99);
    EXPECT_EQ(my().mhpQuota, 50);
}

TEST_F(SaveDataTest, ResetRewritesEverySaveFile) {
    folder.writeCommon(9, 1, 777, {1, 2, 3});
    game::TForm1& w = open();
    my().courseMemo = "keep me";
    my().mhpQuota = 50;
    my().stageNo = 4;
    my().hiScore = 5000;
    run([&] { w.BitBtn2Click(); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(w.state.courseNo, 6);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(folder.lines("dat/my" + std::to_string(n) + ".dat"),
                  (Lines{"keep me", "0", "0", "99", "50", "10", "0", "4", "0", "0", "0", "1"}))
            << n;
        EXPECT_EQ(folder.lines("投稿用" + std::to_string(n) + ".txt").at(1), "【？？？？】");
    }
    Lines common{"0", "0", "0"};
    for (const auto& z : zeros(513)) common.push_back(z);
    EXPECT_EQ(folder.lines("dat/my.dat"), common);
}

// A save that fails at any step leaves the previous file whole and readable, and reports the error.
struct Fault {
    base::TextWriter::Step step;
    int index;
};
class InterruptedSaveTest : public SaveDataTest, public ::testing::WithParamInterface<Fault> {
  protected:
    void failAt(const Fault& f) {
        base::TextWriter::setFaultHook(
            [f](base::TextWriter::Step s, int i) { return s == f.step && i == f.index ? ENOSPC : 0; });
    }
    bool leftovers() const {
        for (const auto& e : std::filesystem::directory_iterator(folder.path("dat")))
            if (e.path().filename().string().ends_with(".tmp")) return true;
        return false;
    }
};

TEST_P(InterruptedSaveTest, CommonFile) {
    folder.writeCommon(2, 0, 300, {1});
    game::TForm1& w = open();
    const std::string before = folder.read("dat/my.dat");
    my().money = 0;
    failAt(GetParam());
    bool closes = true;
    run([&] { closes = w.FormClose(); });  // no answer: the box is closed, which goes back to the game
    EXPECT_FALSE(closes);
    EXPECT_TRUE(errors().empty());
    ASSERT_EQ(dialogs().choices.size(), 1u);
    EXPECT_TRUE(dialogs().choices[0].starts_with("ﾃﾞｨｽｸがいっぱいです.\r")) << dialogs().choices[0];
    EXPECT_EQ(folder.read("dat/my.dat"), before);
    EXPECT_FALSE(leftovers());
    base::TextWriter::setFaultHook(nullptr);
    run([&] { w.loadCommonData(); });
    EXPECT_EQ(my().money, 300);
}

TEST_P(InterruptedSaveTest, CourseFileAndThePostingFileAfterIt) {
    folder.writeCommon(0, 0, 0);
    folder.writeCourse(2, 4321, 9);
    game::TForm1& w = open();
    run([&] { w.selectCourse(2); });
    const std::string before = folder.read("dat/my2.dat");
    my().hiScore = 99999;
    failAt(GetParam());
    run([&] { w.saveCourseData(); });
    EXPECT_EQ(errors(), Lines{"ﾃﾞｨｽｸがいっぱいです."});
    EXPECT_EQ(folder.read("dat/my2.dat"), before);
    EXPECT_FALSE(std::filesystem::exists(folder.path("投稿用2.txt")));
    EXPECT_FALSE(leftovers());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InterruptedSaveTest,
    ::testing::Values(Fault{base::TextWriter::Step::Open, 0}, Fault{base::TextWriter::Step::Write, 0},
                      Fault{base::TextWriter::Step::Write, 1}, Fault{base::TextWriter::Step::Write, 2},
                      Fault{base::TextWriter::Step::Write, 11}, Fault{base::TextWriter::Step::Close, 0}));

TEST_F(SaveDataTest, AFailedSaveOnCloseAsksToTryAgainCloseWithoutSavingOrGoBack) {
    folder.writeCommon(2, 0, 300);
    game::TForm1& w = open();
    my().money = 777;
    int failures = 2;  // the disk is full for the first two tries
    base::TextWriter::setFaultHook([&](base::TextWriter::Step s, int) {
        return s == base::TextWriter::Step::Open && failures-- > 0 ? ENOSPC : 0;
    });
    dialogs().chooseAnswers = {0, 0};  // try again, twice
    bool closes = false;
    run([&] { closes = w.FormClose(); });
    base::TextWriter::setFaultHook(nullptr);
    EXPECT_TRUE(closes);
    EXPECT_EQ(dialogs().choices.size(), 2u);
    EXPECT_EQ(folder.lines("dat/my.dat").at(2), "777") << "the third try saved";

    base::TextWriter::setFaultHook([](base::TextWriter::Step, int) { return ENOSPC; });
    dialogs().chooseAnswers = {1};  // close without saving
    my().money = 5;
    run([&] { closes = w.FormClose(); });
    base::TextWriter::setFaultHook(nullptr);
    EXPECT_TRUE(closes);
    EXPECT_EQ(folder.lines("dat/my.dat").at(2), "777");

    w.form.endingSession = true;  // a signal or the session's end: nobody to ask
    base::TextWriter::setFaultHook([](base::TextWriter::Step, int) { return ENOSPC; });
    run([&] { closes = w.FormClose(); });
    base::TextWriter::setFaultHook(nullptr);
    EXPECT_TRUE(closes);
    EXPECT_EQ(dialogs().choices.size(), 3u);
    EXPECT_TRUE(errors().empty());
}

TEST_F(SaveDataTest, ASkippedSaveOfAnUnreadableFileIsNamedOncePerFile) {
    ASSERT_EQ(::mkfifo(folder.path("dat/my.dat").c_str(), 0600), 0);  // exists, cannot be read
    game::TForm1& w = open();
    ASSERT_EQ(errors().size(), 1u);
    my().money = 99;
    run([&] { w.FormClose(); });
    run([&] { w.saveCommonData(); });
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path("dat/my.dat")));
    EXPECT_TRUE(setAside(folder, "my.dat").empty()) << "only a malformed file is moved aside";
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_NE(dialogs().messages[0].find(folder.path("dat/my.dat").string()), std::string::npos)
        << dialogs().messages[0];
}

TEST_F(SaveDataTest, ACourseWithoutItsFileStartsWithFreshRecords) {
    folder.writeCommon(0, 0, 0);
    folder.writeLines("dat/my1.dat",
                      {"memo 1", "0", "123456", "99", "50", "10", "0", "-1", "1", "1", "1", "777"});
    game::TForm1& w = open();
    run([&] { w.selectCourse(1); });
    ASSERT_EQ(my().hiScore, 123456);
    run([&] { w.selectCourse(4); });  // no my4.dat
    EXPECT_EQ(errors(), Lines{"ﾌｧｲﾙが見つかりません."});
    EXPECT_EQ(my().courseMemo, "");
    EXPECT_EQ(my().hiScore, 0);
    EXPECT_EQ(my().hiMaxCombo, 1);
    EXPECT_EQ(my().badgeCombo + my().badgeTime + my().badgeHp, 0);
    run([&] { w.saveCourseData(); });
    const Lines saved = folder.lines("dat/my4.dat");
    EXPECT_EQ(saved.at(0), "");
    EXPECT_EQ(saved.at(2), "0");
    EXPECT_EQ(saved.at(11), "1");
}

TEST_F(SaveDataTest, ClosingInTheMiddleOfACourseSavesTheCommonFileOnly) {
    folder.writeCommon(0, 0, 0);
    folder.writeCourse(1, 10, 2);
    game::TForm1& w = open();
    run([&] { w.selectCourse(1); });
    const std::string course = folder.read("dat/my1.dat");
    my().hiScore = 50000;
    my().money = 42;
    run([&] { w.FormClose(); });
    EXPECT_EQ(folder.read("dat/my1.dat"), course);
    EXPECT_EQ(folder.lines("dat/my.dat").at(2), "42");
}

}  // namespace
}  // namespace gametest
