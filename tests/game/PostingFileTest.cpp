// The posting file: its five lines, titles by course and the toy count.
#include "WindowFixture.h"
#include "game/PostingFile.h"

namespace gametest {
namespace {

std::string fromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

class PostingFileTest : public WindowFixture {
  protected:
    void SetUp() override {
        folder.install();
        open();
    }
};

TEST_F(PostingFileTest, VocalCourseExampleByteForByte) {
    run([&] { window->selectCourse(2); });
    my().hiScore = 123456;
    my().hiMaxCombo = 57;
    my().toyOwned[3] = 1;
    my().toyOwned[40] = 1;
    my().toyOwned[512] = 1;
    my().toyOwned[7] = 2;
    platform.advance(10);  // one status tick shows the high score
    ASSERT_EQ(window->high_l.caption(), "12万3456");
    run([&] { window->saveCourseData(); });
    EXPECT_TRUE(errors().empty());
    // ■ゾルバンブロックデータ / 【ＶＯＣＡＬ ＣＯＲＳＥ】 / 最高得点：12万3456点 / MAXCOMBO：57 /
    // アイテム：3コ
    EXPECT_EQ(
        folder.read("投稿用2.txt"),
        fromHex(
            "81a1835d838b836f83938375838d8362834e8366815b835e0d0a81798275826e82628260826b208262826e82718272"
            "8264817a0d0a8dc58d8293be935f81463132969c33343536935f0d0a4d4158434f4d424f814635370d0a83418343"
            "8365838081463383520d0a"));
}

struct TitleRow {
    std::uint8_t course;
    std::int32_t hiScore;
    const char* title;
};
class PostingTitleTest : public ::testing::TestWithParam<TitleRow> {};

TEST_P(PostingTitleTest, NamesTheCourseOnceItHasAScore) {
    engine::tmy my;
    my.hiScore = GetParam().hiScore;
    EXPECT_EQ(game::postingLines(GetParam().course, my, "x")[1], GetParam().title);
}
INSTANTIATE_TEST_SUITE_P(Courses, PostingTitleTest,
                         ::testing::Values(TitleRow{1, 1, "【ＳＴＲＥＥＴ ＣＯＲＳＥ】"},
                                           TitleRow{3, 5, "【ＴＯＭＢＬＥ ＣＯＲＳＥ】"},
                                           TitleRow{4, 5, "【ＢＯＮＵＳ ＣＯＲＳＥ】"},
                                           TitleRow{6, 5, "【ＶＥＬＯＲＩＳ ＣＯＲＳＥ】"},
                                           TitleRow{3, 0, "【？？？？】"}, TitleRow{5, -7, "【？？？？】"}));

TEST(PostingLinesTest, QuoteTheHighScoreLabelAndCountToysHeldOnce) {
    engine::tmy my;
    my.hiMaxCombo = 1;
    my.toyOwned.fill(1);
    my.toyOwned[0] = 99;
    const auto lines = game::postingLines(1, my, "20億0000万0000");
    EXPECT_EQ(lines[2], "最高得点：20億0000万0000点");
    EXPECT_EQ(lines[3], "MAXCOMBO：1");
    EXPECT_EQ(lines[4], "アイテム：512コ");
}

TEST_F(PostingFileTest, GoesBesideTheProgramAndIsOverwritten) {
    run([&] { window->selectCourse(1); });
    folder.write("投稿用1.txt", std::string(500, 'x'));
    run([&] { window->saveCourseData(); });
    EXPECT_EQ(folder.lines("投稿用1.txt").size(), 5u);
}

}  // namespace
}  // namespace gametest
